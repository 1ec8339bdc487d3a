// What the study window remembers between runs, in the user's settings of
// "Colmara Study".
#include <QScreen>
#include <QSettings>

#include "ui/screenfit.h"
#include "ui/study/studywindow.h"

namespace colmara {

namespace {

// Where the settings live: the organisation and application names.
constexpr const char* kOrganisation = "Colmara";
constexpr const char* kApplication = "Colmara Study";

const char* UnitKey(StrengthUnit unit) {
    return unit == StrengthUnit::Volume ? "volume" : "weight";
}

}  // namespace

void StudyWindow::SaveState() const {
    QSettings settings(kOrganisation, kApplication);
    settings.setValue("geometry", saveGeometry());
    const InputTexts typed = inputs_->Typed();
    settings.setValue("inputs/power", QString::fromStdString(typed.power));
    settings.setValue("inputs/strength", QString::fromStdString(typed.strength));
    settings.setValue("inputs/plates", QString::fromStdString(typed.plates));
    settings.setValue("inputs/reflux", QString::fromStdString(typed.reflux));
    settings.setValue("inputs/units", UnitKey(inputs_->Unit()));
    settings.setValue("tab", tabs_->currentIndex());
}

void StudyWindow::RestoreState() {
    QSettings settings(kOrganisation, kApplication);
    if (settings.contains("geometry")) {
        restoreGeometry(settings.value("geometry").toByteArray());
        // A geometry saved on a larger screen (or grown by a fault) is
        // fitted to this one.
        resize(FittedSize(size(), screen()->availableGeometry()));
        KeepOnScreen(*this);
    }
    const InputTexts defaults;
    auto text = [&settings](const char* key, const std::string& fallback) {
        return settings.value(key, QString::fromStdString(fallback)).toString().toStdString();
    };
    const InputTexts typed{
        text("inputs/power", defaults.power), text("inputs/strength", defaults.strength),
        text("inputs/plates", defaults.plates), text("inputs/reflux", defaults.reflux)};
    const StrengthUnit unit = settings.value("inputs/units").toString() == "volume"
                                  ? StrengthUnit::Volume
                                  : StrengthUnit::Weight;
    inputs_->SetInputs(typed, unit);
    const int tab = settings.value("tab", 0).toInt();
    if (tab >= 0 && tab < tabs_->count()) tabs_->setCurrentIndex(tab);
}

}  // namespace colmara
