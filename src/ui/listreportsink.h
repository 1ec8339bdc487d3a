// The report sink of the main window: report lines go to the top of the
// report list, summary lines to the end of the summary list, chart points to
// the chart's series.
#pragma once

#include "report/reportsink.h"

class QListWidget;

namespace colmara {

class THorizLineSeries;

class ListReportSink : public ReportSink {
  public:
    ListReportSink(QListWidget* report, QListWidget* summary, THorizLineSeries& series);

    void ClearReport() override;
    void InsertReportLine(const std::string& line) override;
    void ClearSummary() override;
    void AppendSummaryLine(const std::string& line) override;
    void ClearChart() override;
    void AddChartPoint(double value) override;

  private:
    QListWidget* report_;
    QListWidget* summary_;
    THorizLineSeries& series_;
};

}  // namespace colmara
