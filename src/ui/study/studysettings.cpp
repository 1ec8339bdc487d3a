// What the study window remembers between runs, in the user's settings of
// "Colmara Study".
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QSettings>
#include <optional>

#include "runtime/regularfile.h"
#include "study/input.h"
#include "ui/screenfit.h"
#include "ui/study/studywindow.h"

namespace colmara {

namespace {

// Where the settings live: the organisation and application names.
constexpr const char* kOrganisation = "Colmara";
constexpr const char* kApplication = "Colmara Study";

// The settings key of an input's text: "inputs/power", ...
QString InputSetting(const char* key) {
    return QStringLiteral("inputs/") + QString::fromLatin1(key);
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
    for (Input input : kInputs)
        settings.setValue(InputSetting(TraitsOf(input).key),
                          QString::fromStdString(TextOf(typed, input)));
    settings.setValue(InputSetting("units"), StrengthUnitKey(inputs_->Unit()));
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
    if (settings.contains("geometry")) {
        restoreGeometry(settings.value("geometry").toByteArray());
        // A geometry saved on a larger screen (or grown by a fault) is
        // fitted to this one.
        resize(FittedSize(size(), screen()->availableGeometry()));
        KeepOnScreen(*this);
    }
    InputTexts typed;  // the defaults where nothing was kept
    for (Input input : kInputs) {
        std::string& text = TextOf(typed, input);
        text = settings.value(InputSetting(TraitsOf(input).key), QString::fromStdString(text))
                   .toString()
                   .toStdString();
    }
    const StrengthUnit unit =
        StrengthUnitKeyed(settings.value(InputSetting("units")).toString().toStdString())
            .value_or(StrengthUnit::Weight);
    inputs_->SetInputs(typed, unit);
    const int tab = settings.value("tab", 0).toInt();
    if (tab >= 0 && tab < tabs_->count()) tabs_->setCurrentIndex(tab);
}

}  // namespace colmara
