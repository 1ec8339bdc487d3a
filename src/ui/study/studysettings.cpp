// What the study window remembers between runs, in the user's settings of
// "Colmara Study".
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <optional>

#include "runtime/regularfile.h"
#include "ui/study/studywindow.h"

namespace colmara {

namespace {

// Where the settings live: the organisation and application names.
constexpr const char* kOrganisation = "Colmara";
constexpr const char* kApplication = "Colmara Study";

const char* UnitKey(StrengthUnit unit) {
    return unit == StrengthUnit::Volume ? "volume" : "weight";
}

// Why the settings file cannot be used (a FIFO, a device, a folder), found
// before QSettings opens it: reading a FIFO would block the window forever.
// The file's folder is the one of any application of the organisation.
std::optional<std::string> SettingsFileProblem(QString* path = nullptr) {
    const QSettings sibling(kOrganisation, QStringLiteral("colmara-settings-probe"));
    const QString file =
        QFileInfo(sibling.fileName()).dir().filePath(QString::fromUtf8(kApplication) + ".conf");
    if (path != nullptr) *path = file;
    return ExistingFileProblem(file.toStdString());
}

}  // namespace

void StudyWindow::SaveState() const {
    if (SettingsFileProblem()) return;
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
    QString path;
    if (const auto problem = SettingsFileProblem(&path)) {
        inputs_->SetInputs(InputTexts{}, StrengthUnit::Weight);
        inputs_->ShowStatus(QStringLiteral("The settings file '%1' is not used: %2.")
                                .arg(path, QString::fromStdString(*problem)),
                            true);
        return;
    }
    QSettings settings(kOrganisation, kApplication);
    if (settings.contains("geometry")) restoreGeometry(settings.value("geometry").toByteArray());
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
