// Hands the report's chart points to the strength chart's series.
#pragma once

#include "chart/horizlineseries.h"
#include "ui/chartpointsink.h"

namespace colmara {

class SeriesPointSink : public ChartPointSink {
  public:
    explicit SeriesPointSink(THorizLineSeries& series) : series_(series) {}

    void ClearChart() override { series_.Clear(); }
    // Each point comes with the empty label and no colour of its own.
    void AddChartPoint(double value) override { series_.Add(value, {}, clDefaultColor); }

  private:
    THorizLineSeries& series_;
};

}  // namespace colmara
