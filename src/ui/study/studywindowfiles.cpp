// The study window's file actions: setups in and out, the current tab's
// chart or table exported, its table copied. Failures go to the status line.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

#include "chart/chart.h"
#include "study/studyerror.h"
#include "ui/chart/chartexport.h"
#include "ui/chart/chartview.h"
#include "ui/study/studywindow.h"

namespace colmara {

namespace {

const QString kSetupFilter = QStringLiteral("Colmara setup (*.json)");
const QString kPngFilter = QStringLiteral("PNG image (*.png)");
const QString kSvgFilter = QStringLiteral("SVG drawing (*.svg)");
const QString kCsvFilter = QStringLiteral("CSV table (*.csv)");

// The suffix a filter names ("png" of "PNG image (*.png)").
QString FilterSuffix(const QString& filter) {
    const qsizetype star = filter.indexOf(QStringLiteral("*."));
    if (star < 0) return {};
    return filter.mid(star + 2, filter.indexOf(')', star) - star - 2);
}

// The format of an export: the one the typed suffix names when it is on
// offer (a user who types "table.csv" wants CSV), else the chosen filter.
QString ExportFilter(const QString& path, const QString& chosen, const QStringList& filters) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const QString& filter : filters)
        if (!suffix.isEmpty() && FilterSuffix(filter) == suffix) return filter;
    return filters.contains(chosen) ? chosen : filters.front();
}

// The path with the filter's suffix when it has none of its own.
QString WithSuffix(const QString& path, const QString& filter) {
    if (!QFileInfo(path).suffix().isEmpty()) return path;
    return path + '.' + FilterSuffix(filter);
}

bool WriteWhole(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return file.commit();
}

// An export's size: the chart as it shows, or a sensible picture when it
// has not been laid out on screen yet.
QSize ExportSize(const ChartView& view) {
    const QSize shown = view.size();
    return shown.width() >= 200 && shown.height() >= 150 ? shown : QSize(800, 500);
}

}  // namespace

FileChoice StudyWindow::AskWithDialog(QWidget* parent, FileAction action,
                                      const QStringList& filters) {
    FileChoice choice;
    choice.filter = filters.value(0);
    const QString joined = filters.join(QStringLiteral(";;"));
    if (action == FileAction::OpenSetup)
        choice.path = QFileDialog::getOpenFileName(parent, QStringLiteral("Open setup"), {}, joined,
                                                   &choice.filter);
    else
        choice.path = QFileDialog::getSaveFileName(parent,
                                                   action == FileAction::SaveSetup
                                                       ? QStringLiteral("Save setup")
                                                       : QStringLiteral("Export"),
                                                   {}, joined, &choice.filter);
    return choice;
}

void StudyWindow::OpenSetup() {
    const FileChoice choice = chooser_(FileAction::OpenSetup, {kSetupFilter});
    if (choice.path.isEmpty()) return;
    try {
        const StudySetup setup = ReadSetupFile(choice.path.toStdString());
        inputs_->SetInputs(setup.inputs, setup.unit);
    } catch (const StudyError& e) {
        inputs_->ShowStatus(QString::fromStdString(e.Message()), true);
    }
}

void StudyWindow::SaveSetup() {
    const FileChoice choice = chooser_(FileAction::SaveSetup, {kSetupFilter});
    if (choice.path.isEmpty()) return;
    const QString path = WithSuffix(choice.path, kSetupFilter);
    try {
        WriteSetupFile(path.toStdString(), {inputs_->Typed(), inputs_->Unit()});
        inputs_->ShowStatus(QStringLiteral("Setup saved to ") + path, false);
    } catch (const StudyError& e) {
        inputs_->ShowStatus(QString::fromStdString(e.Message()), true);
    }
}

QString StudyWindow::ChartTitle() const {
    QString tab = tabs_->tabText(tabs_->currentIndex());
    return QStringLiteral("Colmara Study – ") + tab.remove(QLatin1Char('&'));
}

void StudyWindow::Export() {
    StudyPanel& panel = CurrentPanel();
    if (const std::string refusal = panel.ExportRefusal(); !refusal.empty()) {
        inputs_->ShowStatus(QString::fromStdString("Nothing exported: " + refusal), true);
        return;
    }
    ChartView* view = panel.ExportChart();
    QStringList filters;
    if (view) filters << kPngFilter << kSvgFilter;
    if (!panel.TableCsv().empty()) filters << kCsvFilter;
    if (filters.isEmpty()) {
        inputs_->ShowStatus(QStringLiteral("This tab has nothing to export."), true);
        return;
    }
    const FileChoice choice = chooser_(FileAction::Export, filters);
    if (choice.path.isEmpty()) return;
    const QString filter = ExportFilter(choice.path, choice.filter, filters);
    const QString path = WithSuffix(choice.path, filter);
    bool written = false;
    if (filter == kCsvFilter)
        written = WriteWhole(path, panel.TableCsv());
    else if (filter == kSvgFilter)
        written =
            SaveChartSvg(view->Chart(), ExportSize(*view), path, ChartTitle(), view->palette());
    else
        written = SaveChartPng(view->Chart(), ExportSize(*view), path, view->palette());
    inputs_->ShowStatus(written ? QStringLiteral("Exported to ") + path
                                : QStringLiteral("Cannot write \"") + path + '"',
                        !written);
}

void StudyWindow::CopyTable() {
    if (const std::string refusal = CurrentPanel().ExportRefusal(); !refusal.empty()) {
        inputs_->ShowStatus(QString::fromStdString("Nothing copied: " + refusal), true);
        return;
    }
    const std::string table = CurrentPanel().TableTsv();
    if (table.empty()) {
        inputs_->ShowStatus(QStringLiteral("This tab has no table to copy."), true);
        return;
    }
    QApplication::clipboard()->setText(QString::fromStdString(table));
    inputs_->ShowStatus(QStringLiteral("Table copied."), false);
}

}  // namespace colmara
