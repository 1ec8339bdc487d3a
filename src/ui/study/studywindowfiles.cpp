// The study window's file actions: setups in and out, the current tab's
// chart or table exported, its table copied. Failures go to the status line
// with the reason; nothing is written in a format other than its name says.
#include <QApplication>
#include <QClipboard>

#include "chart/chart.h"
#include "runtime/fileerror.h"
#include "runtime/printable.h"
#include "study/studyerror.h"
#include "ui/chart/chartexport.h"
#include "ui/chart/chartview.h"
#include "ui/filechooser.h"
#include "ui/savefile.h"
#include "ui/study/studywindow.h"

namespace colmara {

namespace {

const QString kSetupFilter = QStringLiteral("Colmara setup (*.json)");
const QString kRunLogFilter = QStringLiteral("Run log (*.csv)");
const QString kPngFilter = QStringLiteral("PNG image (*.png)");
const QString kSvgFilter = QStringLiteral("SVG drawing (*.svg)");

// "CSV cut table (*.csv)": a table by the name its panel gives it.
QString CsvFilter(const std::string& name) {
    return QStringLiteral("CSV %1 (*.csv)").arg(QString::fromStdString(name));
}

// An export's size: the chart as it shows, or a sensible picture when it
// has not been laid out on screen yet.
QSize ExportSize(const ChartView& view) {
    const QSize shown = view.size();
    return shown.width() >= 200 && shown.height() >= 150 ? shown : QSize(800, 500);
}

QString Escaped(const std::string& text) {
    return QString::fromStdString(EscapeControls(text));
}

}  // namespace

void StudyWindow::OpenSetup() {
    const FileChoice choice =
        ChooseFile(this, {true, QStringLiteral("Open setup"), {}, {kSetupFilter}});
    if (choice.path.isEmpty()) return;
    try {
        const StudySetup setup = ReadSetupFile(choice.path.toStdString());
        inputs_->SetInputs(setup.inputs, setup.unit);
        batch_->SetTexts(setup.batch);
        // A log that has gone since is said on the tab; the setup stands.
        if (setup.runLog.empty())
            batch_->CloseLog();
        else
            batch_->OpenLog(QString::fromStdString(setup.runLog));
    } catch (const StudyError& e) {
        inputs_->ShowStatus(Escaped(e.Message()), true);
    }
}

void StudyWindow::SaveSetup() {
    const FileChoice choice =
        ChooseFile(this, {false, QStringLiteral("Save setup"), {}, {kSetupFilter}});
    if (choice.path.isEmpty()) return;
    const QString path = WithSuffix(choice.path, kSetupFilter);
    try {
        WriteSetupFile(path.toStdString(), {inputs_->Typed(), inputs_->Unit(), batch_->Texts(),
                                            batch_->LogBar().Path().toStdString()});
        inputs_->ShowStatus(QStringLiteral("Setup saved to ") + path, false);
    } catch (const StudyError& e) {
        inputs_->ShowStatus(Escaped(e.Message()), true);
    }
}

void StudyWindow::OpenRunLog() {
    const FileChoice choice =
        ChooseFile(this, {true, QStringLiteral("Open run log"), {}, {kRunLogFilter}});
    if (choice.path.isEmpty()) return;
    tabs_->setCurrentWidget(batch_);
    batch_->OpenLog(choice.path);
}

QString StudyWindow::ChartTitle() const {
    QString tab = tabs_->tabText(tabs_->currentIndex());
    return QStringLiteral("Colmara Study – ") + tab.remove(QLatin1Char('&'));
}

bool StudyWindow::Refused(const StudyPanel& panel, const std::string& lead) {
    const std::string refusal = panel.ExportRefusal(solver_.Busy());
    if (refusal.empty()) return false;
    inputs_->ShowStatus(Escaped(lead + refusal), true);
    return true;
}

void StudyWindow::Export() {
    StudyPanel& panel = CurrentPanel();
    if (Refused(panel, "Nothing exported: ")) return;
    QStringList filters;
    if (panel.ExportChart() != nullptr) filters << kPngFilter << kSvgFilter;
    if (!panel.TableCsv().empty()) filters << CsvFilter(panel.TableName());
    if (!panel.SecondTableCsv().empty()) filters << CsvFilter(panel.SecondTableName());
    if (filters.isEmpty()) {
        inputs_->ShowStatus(QStringLiteral("This tab has nothing to export."), true);
        return;
    }
    const FileChoice choice = ChooseFile(this, {false, QStringLiteral("Export"), {}, filters});
    if (choice.path.isEmpty()) return;
    // The dialog ran the event loop: what the tab shows may have changed.
    if (Refused(panel, "Nothing exported: ")) return;
    const QString filter = FilterForPath(choice.path, choice.filter, filters);
    if (filter.isEmpty()) {
        inputs_->ShowStatus(SuffixRefusal(choice.path, filters), true);
        return;
    }
    ExportAs(panel, WithSuffix(choice.path, filter), filter);
}

void StudyWindow::ExportAs(StudyPanel& panel, const QString& path, const QString& filter) {
    try {
        if (FilterSuffix(filter) == QStringLiteral("csv")) {
            const bool second = filter == CsvFilter(panel.SecondTableName());
            const std::string csv = second ? panel.SecondTableCsv() : panel.TableCsv();
            if (csv.empty()) {
                inputs_->ShowStatus(QStringLiteral("Nothing exported: this tab has no table now."),
                                    true);
                return;
            }
            SaveWholeFile(path, QByteArray::fromStdString(csv));
        } else {
            ChartView& view = *panel.ExportChart();
            const ChartPicture picture{ExportSize(view), panel.Caption(), view.devicePixelRatioF(),
                                       view.palette()};
            SaveWholeFile(path, filter == kSvgFilter ? ChartSvg(view.Chart(), picture, ChartTitle())
                                                     : ChartPng(view.Chart(), picture));
        }
        inputs_->ShowStatus(QStringLiteral("Exported to ") + path, false);
    } catch (const FileError& error) {
        inputs_->ShowStatus(QStringLiteral("Cannot write \"%1\": %2.")
                                .arg(path, QString::fromStdString(error.what())),
                            true);
    }
}

void StudyWindow::CopyTable() {
    if (Refused(CurrentPanel(), "Nothing copied: ")) return;
    const std::string table = CurrentPanel().TableTsv();
    if (table.empty()) {
        inputs_->ShowStatus(QStringLiteral("This tab has no table to copy."), true);
        return;
    }
    QApplication::clipboard()->setText(QString::fromStdString(table));
    inputs_->ShowStatus(QStringLiteral("Table copied."), false);
}

}  // namespace colmara
