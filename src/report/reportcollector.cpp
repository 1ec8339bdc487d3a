#include "report/reportcollector.h"

namespace colmara {

void ReportCollector::ClearReport() {
    report_.clear();
}

void ReportCollector::InsertReportLine(const std::string& line) {
    report_.push_front(line);
}

void ReportCollector::ClearSummary() {
    summary_.clear();
}

void ReportCollector::AppendSummaryLine(const std::string& line) {
    summary_.push_back(line);
}

void ReportCollector::ClearChart() {
    chart_.clear();
}

void ReportCollector::AddChartPoint(double value) {
    chart_.push_back(value);
}

std::vector<std::string> ReportCollector::ReportLines() const {
    return {report_.begin(), report_.end()};
}

}  // namespace colmara
