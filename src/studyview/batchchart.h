// The batch tab's chart: a run over time from the start of heating, with
// the product's and the boiler's strength on the left axis, the amount
// collected on the right, and each cut's beginning as a dashed vertical line
// named in the legend. No Qt here, so it is laid out and checked like the
// other study charts.
#pragma once

#include <vector>

#include "batch/batchresult.h"
#include "chart/chart.h"
#include "study/strengthunit.h"

namespace colmara {

class BatchChart {
  public:
    // Sets every axis of `chart` and adds the three curves; `chart` must
    // outlive this.
    explicit BatchChart(TChart& chart);

    // Replaces the curves and the cut lines with the run's, in `unit`.
    void Show(const BatchResult& result, StrengthUnit unit);
    // Grey while the run shown is not that of the inputs on screen.
    void Grey(bool grey);

    const TXYLineSeries& Product() const { return product_; }
    const TXYLineSeries& Boiler() const { return boiler_; }
    const TXYLineSeries& Collected() const { return collected_; }
    const std::vector<TXYLineSeries*>& CutLines() const { return cutLines_; }

  private:
    void Scale(const BatchResult& result, StrengthUnit unit);

    TChart& chart_;
    TXYLineSeries& product_;
    TXYLineSeries& boiler_;
    TXYLineSeries& collected_;
    std::vector<TXYLineSeries*> cutLines_;
};

}  // namespace colmara
