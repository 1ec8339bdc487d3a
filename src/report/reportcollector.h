// A report sink that keeps the three outputs in memory, as the window's
// lists and chart would hold them; used by the companion tool and tests.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "report/reportsink.h"

namespace colmara {

class ReportCollector : public ReportSink {
  public:
    void ClearReport() override;
    void InsertReportLine(const std::string& line) override;
    void ClearSummary() override;
    void AppendSummaryLine(const std::string& line) override;
    void ClearChart() override;
    void AddChartPoint(double value) override;

    // The report lines from the top of the list down (the last line
    // inserted comes first).
    std::vector<std::string> ReportLines() const;
    const std::vector<std::string>& SummaryLines() const { return summary_; }
    const std::vector<double>& ChartPoints() const { return chart_; }

  private:
    std::deque<std::string> report_;
    std::vector<std::string> summary_;
    std::vector<double> chart_;
};

}  // namespace colmara
