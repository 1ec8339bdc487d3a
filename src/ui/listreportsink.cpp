#include "ui/listreportsink.h"

#include <QListWidget>

#include "ui/chartpointsink.h"

namespace colmara {

ListReportSink::ListReportSink(QListWidget* report, QListWidget* summary, ChartPointSink* chart)
    : report_(report), summary_(summary), chart_(chart) {}

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
    chart_->ClearChart();
}

void ListReportSink::AddChartPoint(double value) {
    chart_->AddChartPoint(value);
}

}  // namespace colmara
