// A chart panel on screen: owns a chart without series, paints it through a
// back buffer and hands mouse input to it. The owner adds the series and
// sets the axes.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <functional>

#include "chart/chart.h"
#include "runtime/numconv.h"

namespace colmara {

class ChartView : public QWidget {
    Q_OBJECT

  public:
    // settings: the number symbols of the chart texts; must outlive the widget.
    explicit ChartView(QWidget* parent, const FormatSettings& settings = ProcessFormatSettings());

    // Runs one event handler of the widget; the owner passes the program's
    // error guard so that an exception is shown rather than unwinding into
    // Qt. Without one, handlers run unguarded.
    using EventGuard = std::function<void(const std::function<void()>&)>;
    void SetEventGuard(EventGuard guard) { guard_ = std::move(guard); }

    TChart& Chart() { return chart_; }

    // Draws the whole chart on any painter (the back buffer, an image) and
    // returns the layout it drew, which the mouse then works on.
    ChartLayout Render(QPainter& painter, const QRect& bounds);

  signals:
    // The picture on screen was drawn anew (its data, axes or size changed),
    // so the layout the mouse works on is new.
    void Rendered();

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
    QImage buffer_;
    bool bufferValid_ = false;
    int wheelRemainder_ = 0;  // angle delta short of a whole notch
};

}  // namespace colmara
