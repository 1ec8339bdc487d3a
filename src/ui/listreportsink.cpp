#include "ui/listreportsink.h"

#include <QListWidget>

#include "chart/horizlineseries.h"

namespace colmara {

ListReportSink::ListReportSink(QListWidget* report, QListWidget* summary, THorizLineSeries& series)
    : report_(report), summary_(summary), series_(series) {}

void ListReportSink::ClearReport() {
    report_->clear();
}

void ListReportSink::InsertReportLine(const std::string& line) {
    report_->insertItem(0, QString::fromStdString(line));
}

void ListReportSink::ClearSummary() {
    summary_->clear();
}

void ListReportSink::AppendSummaryLine(const std::string& line) {
    summary_->addItem(QString::fromStdString(line));
}

void ListReportSink::ClearChart() {
    series_.Clear();
}

// Each point comes with the empty label and no colour of its own.
void ListReportSink::AddChartPoint(double value) {
    series_.Add(value, {}, clDefaultColor);
}

}  // namespace colmara
