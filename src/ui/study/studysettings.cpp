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

// The settings key of a batch text: "batch/charge", ...
QString BatchSetting(const char* key) {
    return QStringLiteral("batch/") + QString::fromLatin1(key);
}

// The settings file, "<user settings folder>/Colmara/Colmara Study.conf".
// It is opened by its path alone: QSettings opened by organisation and
// application would also read the organisation's shared file and the
// system's, unchecked, and a FIFO among them would block the window. The
// folder comes from a probe of an organisation that owns no files. Before
// QSettings opens the file, ExistingFileProblem refuses anything but a
// regular file (a FIFO, a device, a folder).
QString SettingsFile() {
    const QSettings probe(QStringLiteral("colmara-settings-probe"), QStringLiteral("probe"));
    QDir folder = QFileInfo(probe.fileName()).dir();
    folder.cdUp();
    return folder.filePath(QString::fromUtf8(kOrganisation) + '/' +
                           QString::fromUtf8(kApplication) + ".conf");
}

}  // namespace

void StudyWindow::SaveState() const {
    const QString file = SettingsFile();
    if (ExistingFileProblem(file.toStdString())) return;
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue("geometry", saveGeometry());
    const InputTexts typed = inputs_->Typed();
    for (Input input : kInputs)
        settings.setValue(InputSetting(TraitsOf(input).key),
                          QString::fromStdString(TextOf(typed, input)));
    settings.setValue(InputSetting("units"), StrengthUnitKey(inputs_->Unit()));
    const BatchTexts batch = batch_->Texts();
    for (const BatchTextKey& key : kBatchTextKeys)
        settings.setValue(BatchSetting(key.key), QString::fromStdString(batch.*key.text));
    settings.setValue(BatchSetting("chart-head-temperature"),
                      batch_->HeadTemperatureBox().isChecked());
    settings.setValue("tab", tabs_->currentIndex());
}

void StudyWindow::RestoreState() {
    const QString path = SettingsFile();
    if (const auto problem = ExistingFileProblem(path.toStdString())) {
        inputs_->SetInputs(InputTexts{}, StrengthUnit::Weight);
        inputs_->ShowStatus(QStringLiteral("The settings file '%1' is not used: %2.")
                                .arg(path, QString::fromStdString(*problem)),
                            true);
        return;
    }
    QSettings settings(path, QSettings::IniFormat);
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
    // The defaults where nothing was kept, in the unit restored.
    BatchTexts batch = DefaultBatchTexts(unit, settings_);
    for (const BatchTextKey& key : kBatchTextKeys) {
        std::string& text = batch.*key.text;
        text = settings.value(BatchSetting(key.key), QString::fromStdString(text))
                   .toString()
                   .toStdString();
    }
    batch_->SetTexts(batch);
    batch_->HeadTemperatureBox().setChecked(
        settings.value(BatchSetting("chart-head-temperature"), false).toBool());
    const int tab = settings.value("tab", 0).toInt();
    if (tab >= 0 && tab < tabs_->count()) tabs_->setCurrentIndex(tab);
}

}  // namespace colmara
