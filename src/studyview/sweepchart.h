// The sweep panel's chart: product strength (left axis) and product amount
// (right axis, g/h) against the varied input, point by point as rows come.
#pragma once

#include <string>
#include <vector>

#include "chart/chart.h"
#include "study/strengthunit.h"
#include "study/sweeprow.h"
#include "studyview/sweeprequest.h"

namespace colmara {

class SweepChart {
  public:
    // Sets every axis of `chart` (which starts as the main window's chart)
    // and adds the two series; `chart` and `settings` must outlive this.
    SweepChart(TChart& chart, const FormatSettings& settings);

    // Empties both curves and titles the axes for a sweep of `varied` in
    // `unit`.
    void Reset(Input varied, StrengthUnit unit);
    // Until the first Reset, titles the empty chart for the run the panel
    // would start now; a chart that has shown a run keeps that run's titles.
    void Preview(Input varied, StrengthUnit unit);
    // Plots the rows' figures that exist; a failed row leaves no point.
    void Append(const std::vector<SweepRow>& rows);

    const TXYLineSeries& StrengthSeries() const { return strength_; }
    const TXYLineSeries& AmountSeries() const { return amount_; }
    // What the plotted run varied, and the unit of its strengths.
    Input Varied() const { return varied_; }
    StrengthUnit Unit() const { return unit_; }

  private:
    void Title(Input varied, StrengthUnit unit);

    TChart& chart_;
    const FormatSettings& settings_;
    TXYLineSeries& strength_;
    TXYLineSeries& amount_;
    Input varied_ = Input::Reflux;
    StrengthUnit unit_ = StrengthUnit::Weight;
    bool run_ = false;  // a run has been started
};

// The bottom axis' title for `varied`, with its unit ("Power, W").
std::string SweptInputTitle(Input varied, StrengthUnit unit);

}  // namespace colmara
