// The panel that holds the window's chart rectangle and keeps the series'
// points until the strength chart widget takes its place.
#pragma once

#include <QFrame>
#include <vector>

#include "ui/chartpointsink.h"

namespace colmara {

class ChartPlaceholder : public QFrame, public ChartPointSink {
  public:
    explicit ChartPlaceholder(QWidget* parent = nullptr);

    void ClearChart() override;
    void AddChartPoint(double value) override;
    const std::vector<double>& Points() const { return points_; }

  private:
    std::vector<double> points_;
};

}  // namespace colmara
