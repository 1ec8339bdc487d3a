#include "ui/study/mccabepanel.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "study/mccabetable.h"
#include "studyview/studychart.h"
#include "ui/chart/chartview.h"

namespace colmara {

McCabePanel::McCabePanel(const FormatSettings& settings, QWidget* parent)
    : StudyPanel(parent),
      settings_(settings),
      pane_(new ChartPane(
          QStringLiteral("McCabe-Thiele diagram"),
          [this](const std::vector<SeriesReading>& r) { return Readout(r); }, settings, this)),
      published_(new QCheckBox(QStringLiteral("Publishe&d data"), this)),
      series_(SetUpMcCabeChart(pane_->Chart())) {
    pane_->View().setMinimumSize(240, 200);
    published_->setToolTip(
        QStringLiteral("Measured vapour-liquid equilibrium of ethanol and water at 1 atm, from "
                       "Perry's Chemical Engineers' Handbook (the program's data file "
                       "ethanol-water-vle-1atm.csv)"));
    connect(published_, &QCheckBox::toggled, this, [this](bool shown) {
        series_.published->Active = shown;
        pane_->Chart().Invalidate();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pane_, 1);
    layout->addWidget(published_);
}

void McCabePanel::Draw(const StudyCase&) {
    const StudyCase& solved = Solved();
    // The case's series hold a diagram of this same case, so they change
    // fractions with the curve even when it is drawn grey.
    if (DiagramUnit(solved.unit) != fractions_) {
        fractions_ = DiagramUnit(solved.unit);
        SetMcCabeFractions(pane_->Chart(), series_, fractions_);
    }
    const std::optional<McCabeDiagram> diagram =
        Current() ? McCabeDiagramOf(solved.profile, solved.unit) : std::nullopt;
    if (diagram)
        series_.Show(*diagram, ProductTitle(solved.profile.result, solved.unit, settings_));
    else
        series_.Grey(true);
    pane_->Chart().Invalidate();
}

std::string McCabePanel::Readout(const std::vector<SeriesReading>& readings) const {
    // No readings: the pointer is outside the plotting rectangle.
    if (readings.empty()) return {};
    // Three decimals: about one pixel of the diagram's 0 ... 1 axes.
    const auto number = [this](double value) { return FormatExtended("0.000", value, settings_); };
    std::string text = "x " + number(pane_->PointerX()) + ", y " + number(pane_->PointerY());
    // The published point nearest the pointer, to hold against the curve.
    const auto& list = pane_->Chart().SeriesList();
    for (const SeriesReading& r : readings)
        if (list[r.Series] == series_.published)
            text += "; " + series_.published->Title + ": x " + number(r.X) + ", y " + number(r.Y);
    return text;
}

std::string McCabePanel::PanelTable(TableFormat format) const {
    const std::vector<Record> records = McCabeRecords(Solved().profile, Solved().unit);
    return records.empty() ? std::string() : TableText(records.front(), records, format);
}

}  // namespace colmara
