#include "ui/chart/chartwidget.h"

#include <memory>

namespace colmara {

ChartWidget::ChartWidget(QWidget* parent, const FormatSettings& settings)
    : ChartView(parent, settings),
      series1_(&Chart().AddSeries(std::make_unique<THorizLineSeries>())) {}

}  // namespace colmara
