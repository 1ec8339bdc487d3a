#include "ui/study/studypanel.h"

#include "ui/inputscaption.h"

namespace colmara {

void StudyPanel::ShowCase(const StudyCase& newest) {
    current_ = newest.profile.result.Solved();
    failure_ = current_ ? std::string() : newest.profile.result.error.value_or("no result");
    if (current_) solved_ = newest;
    Draw(newest);
}

std::string StudyPanel::ExportRefusal(bool casePending) const {
    if (!FollowsTheCase()) return PanelRefusal();
    if (casePending) return "the inputs shown are still being calculated; try again in a moment.";
    return CaseRefusal();
}

std::string StudyPanel::CaseRefusal() const {
    if (current_) return PanelRefusal();
    if (failure_.empty()) return "no case has been calculated yet.";
    const std::string reason = "the inputs shown do not calculate (" + failure_ + ")";
    // Grey curves are named only where there are some.
    if (solved_.profile.plates.empty()) return reason + '.';
    return reason + ", and the grey curves belong to other inputs.";
}

QString StudyPanel::Caption() const {
    const StudyCase drawn = CaptionCase();
    return InputsCaption(drawn.typed, drawn.unit);
}

std::string StudyPanel::SecondTableCsv() const {
    return ExportRefusal().empty() ? PanelSecondTable() : std::string();
}

std::string StudyPanel::Table(TableFormat format) const {
    return ExportRefusal().empty() ? PanelTable(format) : std::string();
}

}  // namespace colmara
