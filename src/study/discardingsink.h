// A report sink that keeps nothing: a study needs the solved column, not the
// report lines, but the lines are still written so that the calculation takes
// exactly the window's path (the summary division can fault, for one).
#pragma once

#include <string>

#include "report/reportsink.h"

namespace colmara {

class DiscardingReportSink : public ReportSink {
  public:
    void ClearReport() override {}
    void InsertReportLine(const std::string&) override {}
    void ClearSummary() override {}
    void AppendSummaryLine(const std::string&) override {}
    void ClearChart() override {}
    void AddChartPoint(double) override {}
};

}  // namespace colmara
