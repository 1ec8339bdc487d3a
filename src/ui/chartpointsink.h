// Where the report's chart points go: the series of the window's strength chart.
#pragma once

namespace colmara {

class ChartPointSink {
  public:
    virtual ~ChartPointSink() = default;
    virtual void ClearChart() = 0;
    // Vapour strength in percent, boiler first.
    virtual void AddChartPoint(double value) = 0;
};

}  // namespace colmara
