// A run log's readings on the batch chart, as marks without lines, each
// beside the model's curve it is compared with (batch/logpairing.h): a
// strength of the product and what a head thermometer means as a strength
// against the product strength, what a boiler thermometer means against the
// boiler strength, an amount against the amount collected, and, while the
// chart's right axis gives it, a head thermometer's reading against the head
// temperature. Each kind takes its curve's colour; the log's name is one
// legend entry. With no log every series is inactive and empty: the chart
// is the picture it was without them.
#pragma once

#include <string>
#include <vector>

#include "batch/batchresult.h"
#include "batch/logpairing.h"
#include "chart/chart.h"
#include "study/strengthunit.h"

namespace colmara {

struct LogMarkColours {
    ColorValue product, boiler, collected, head;
};

class LogMarks {
  public:
    // Adds the series to `chart`, the amounts and temperatures on its right
    // axis; `chart` must outlive this.
    LogMarks(TChart& chart, const LogMarkColours& colours);

    // Replaces the marks with `pairs`' readings of the log called `name`,
    // strengths in `unit`. An amount in ml is drawn where the model's ml
    // would be on the curve in g (scaled by the model's g per ml then), so
    // a reading the model matches lies on the curve.
    void Show(const std::string& name, const LogPairs& pairs, const std::vector<BatchRow>& timeline,
              StrengthUnit unit);
    void Clear();
    // Which of the right axis' curves the chart shows.
    void ShowHeadTemperature(bool shown);
    bool Empty() const { return shown_.empty(); }

    // The values of the marks shown, for the axes to hold them.
    std::vector<double> Strengths() const;
    std::vector<double> RightValues() const;
    double LastMinute() const;

    const TXYLineSeries& Product() const { return product_; }
    const TXYLineSeries& HeadStrength() const { return headStrength_; }
    const TXYLineSeries& Boiler() const { return boiler_; }
    const TXYLineSeries& Collected() const { return collected_; }
    const TXYLineSeries& Head() const { return head_; }

  private:
    void Activate();

    TXYLineSeries& product_;
    TXYLineSeries& headStrength_;
    TXYLineSeries& boiler_;
    TXYLineSeries& collected_;
    TXYLineSeries& head_;
    std::vector<TXYLineSeries*> shown_;  // the series with marks
    bool headShown_ = false;
};

}  // namespace colmara
