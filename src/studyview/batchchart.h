// The batch tab's chart: a run over time from the start of heating, with
// the product's and the boiler's strength on the left axis, the amount
// collected on the right, and each cut's beginning as a dashed vertical line
// named on the plot; and below it a panel of the reflux ratio over the same
// time, its plotting area aligned under the chart's. On request the right
// axis gives the head temperature in degC instead of the amount collected:
// a distiller who cuts by the head thermometer reads that curve against the
// cut lines. A run log's readings may be drawn over the curves as marks
// (logmarks.h). No Qt here, so it is laid out and checked like the other study
// charts.
#pragma once

#include <optional>
#include <vector>

#include "batch/batchresult.h"
#include "batch/logpairing.h"
#include "chart/chart.h"
#include "runtime/numconv.h"
#include "study/strengthunit.h"
#include "studyview/logmarks.h"

namespace colmara {

class BatchChart {
  public:
    // Sets every axis of `chart` and `reflux` and adds the curves; both must
    // outlive this.
    BatchChart(TChart& chart, TChart& reflux);

    // Replaces the curves and the cut lines with the run's, strengths in
    // `unit`; the reflux is read from the rows' texts in `settings`' symbols.
    void Show(const BatchResult& result, StrengthUnit unit, const FormatSettings& settings);
    // Draws the readings of the log called `name`, paired with the run
    // shown (`timeline`), over its curves; the axes widen to hold them.
    void ShowLog(const std::string& name, const LogPairs& pairs,
                 const std::vector<BatchRow>& timeline);
    // The chart as without a log.
    void CloseLog();
    const LogMarks& Log() const { return log_; }
    // The reflux panel's plotting area goes under the chart's, as the chart
    // was last laid out.
    void AlignReflux();
    // Grey while the run shown is not that of the inputs on screen.
    void Grey(bool grey);
    // The head temperature on the right axis (shown) or the amount
    // collected (the chart as it was); the curves kept as they are.
    void ShowHeadTemperature(bool shown);
    bool HeadTemperatureShown() const { return head_.Active; }

    const TXYLineSeries& Product() const { return product_; }
    const TXYLineSeries& Boiler() const { return boiler_; }
    const TXYLineSeries& Collected() const { return collected_; }
    const TXYLineSeries& Reflux() const { return reflux_; }
    // The timeline's head temperatures, degC at the run's pressure.
    const TXYLineSeries& HeadTemperature() const { return head_; }
    // The reflux of the row nearest `minute`; none before a run is shown.
    std::optional<double> RefluxAt(double minute) const;
    const std::vector<TXYLineSeries*>& CutLines() const { return cutLines_; }

  private:
    void Scale();
    // The right axis' range and title, for the curve it shows.
    void ScaleRight();

    TChart& chart_;
    TChart& refluxChart_;
    TXYLineSeries& product_;
    TXYLineSeries& boiler_;
    TXYLineSeries& collected_;
    TXYLineSeries& reflux_;
    TXYLineSeries& head_;
    std::vector<TXYLineSeries*> cutLines_;
    LogMarks log_;
    double runEnd_ = 1;  // the last row's minute
    StrengthUnit unit_ = StrengthUnit::Weight;
};

}  // namespace colmara
