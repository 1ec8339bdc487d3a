// The main window's strength chart (Chart1): owns the chart panel and its
// series (Series1), paints them through a back buffer and hands mouse input
// to the panel.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <functional>

#include "chart/chart.h"
#include "runtime/numconv.h"

namespace colmara {

class ChartWidget : public QWidget {
    Q_OBJECT

  public:
    // Where the main window places the chart.
    static QRect DefaultGeometry() { return QRect(360, 8, 296, 473); }

    // settings: the number symbols of the chart texts; must outlive the widget.
    explicit ChartWidget(QWidget* parent, const FormatSettings& settings = ProcessFormatSettings());

    // Runs one event handler of the widget; the owner passes the program's
    // error guard so that an exception is shown rather than unwinding into
    // Qt. Without one, handlers run unguarded.
    using EventGuard = std::function<void(const std::function<void()>&)>;
    void SetEventGuard(EventGuard guard) { guard_ = std::move(guard); }

    TChart& Chart() { return chart_; }
    THorizLineSeries& Series1() { return *series1_; }

    // Draws the whole chart on any painter (the back buffer, an image) and
    // returns the layout it drew, which the mouse then works on.
    ChartLayout Render(QPainter& painter, const QRect& bounds);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Guarded(const std::function<void()>& handler);
    void PaintChart();

    TChart chart_;
    EventGuard guard_;
    THorizLineSeries* series1_;
    QImage buffer_;
    bool bufferValid_ = false;
    int wheelRemainder_ = 0;  // angle delta short of a whole notch
};

}  // namespace colmara
