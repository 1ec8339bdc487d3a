// The main window's strength chart (Chart1): a chart panel with its one
// series, Series1, the vapour strength of each plate.
#pragma once

#include <QRect>

#include "chart/horizlineseries.h"
#include "ui/chart/chartview.h"

namespace colmara {

class ChartWidget : public ChartView {
    Q_OBJECT

  public:
    // Where the main window places the chart.
    static QRect DefaultGeometry() { return QRect(360, 8, 296, 473); }

    // settings: the number symbols of the chart texts; must outlive the widget.
    explicit ChartWidget(QWidget* parent, const FormatSettings& settings = ProcessFormatSettings());

    THorizLineSeries& Series1() { return *series1_; }

  private:
    THorizLineSeries* series1_;
};

}  // namespace colmara
