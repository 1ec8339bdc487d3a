// Where a calculation writes its output. The window's list boxes and chart
// series and the companion tool's collector implement it, so both show the
// same lines from the same code.
#pragma once

#include <string>

namespace colmara {

class ReportSink {
  public:
    virtual ~ReportSink() = default;

    // The report list (the window's ListBox1): every line goes in at the top.
    virtual void ClearReport() = 0;
    virtual void InsertReportLine(const std::string& line) = 0;

    // The summary list (ListBox2): lines are appended in order.
    virtual void ClearSummary() = 0;
    virtual void AppendSummaryLine(const std::string& line) = 0;

    // The chart series: vapour strength in percent, boiler first.
    virtual void ClearChart() = 0;
    virtual void AddChartPoint(double value) = 0;
};

// The four report options, read again as each plate is written.
struct ReportOptions {
    bool reflux = true;       // "reflux leaving plate"
    bool liquid = true;       // "strength liquid"
    bool vapour = true;       // "Strength vapour"
    bool temperature = true;  // "Temperature"
};

class ReportOptionSource {
  public:
    virtual ~ReportOptionSource() = default;
    virtual ReportOptions CurrentOptions() const = 0;
};

// Options that never change, for the companion tool and tests.
class FixedReportOptions : public ReportOptionSource {
  public:
    explicit FixedReportOptions(ReportOptions options = {}) : options_(options) {}
    ReportOptions CurrentOptions() const override { return options_; }

  private:
    ReportOptions options_;
};

}  // namespace colmara
