#include "ui/chart/chartview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>
#include <exception>

#include "ui/chart/qtchartcanvas.h"

namespace colmara {

namespace {

// One wheel notch in Qt's angle units (eighths of a degree).
constexpr int kWheelNotch = 120;

std::optional<MouseButton> ToChartButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return MouseButton::mbLeft;
        case Qt::RightButton:
            return MouseButton::mbRight;
        case Qt::MiddleButton:
            return MouseButton::mbMiddle;
        default:
            return std::nullopt;
    }
}

}  // namespace

ChartView::ChartView(QWidget* parent, const FormatSettings& settings)
    : QWidget(parent), chart_(settings) {
    // Data and axis changes recompute the picture at the next paint; a
    // moving zoom rectangle only redraws over the buffered picture.
    chart_.OnInvalidate = [this] {
        bufferValid_ = false;
        update();
    };
    chart_.OnZoomRectangleChanged = [this] { update(); };
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ChartLayout ChartView::Render(QPainter& painter, const QRect& bounds) {
    QtChartCanvas canvas(painter, palette());
    return chart_.Render(canvas, {bounds.left(), bounds.top(), bounds.left() + bounds.width(),
                                  bounds.top() + bounds.height()});
}

void ChartView::Guarded(const std::function<void()>& handler) {
    if (guard_)
        guard_(handler);
    else
        handler();
}

void ChartView::paintEvent(QPaintEvent*) {
    // An error box must not open inside a paint, so a failure is shown once
    // the paint has ended.
    try {
        PaintChart();
    } catch (...) {
        bufferValid_ = false;
        QTimer::singleShot(0, this, [this, error = std::current_exception()] {
            Guarded([error] { std::rethrow_exception(error); });
        });
    }
}

void ChartView::PaintChart() {
    const qreal dpr = devicePixelRatioF();
    if (!bufferValid_ || buffer_.size() != size() * dpr) {
        buffer_ = QImage(size() * dpr, QImage::Format_RGB32);
        buffer_.setDevicePixelRatio(dpr);
        QPainter bp(&buffer_);
        Render(bp, rect());
        bufferValid_ = true;
        emit Rendered();
    }
    QPainter painter(this);
    painter.drawImage(0, 0, buffer_);
    QtChartCanvas canvas(painter, palette());
    chart_.DrawZoomRectangle(canvas);
}

void ChartView::resizeEvent(QResizeEvent*) {
    bufferValid_ = false;
}

void ChartView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (auto button = ToChartButton(event->button()))
        Guarded([&] { chart_.MouseDown(*button, at.x(), at.y()); });
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    Guarded([&] { chart_.MouseMove(at.x(), at.y()); });
}

void ChartView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (auto button = ToChartButton(event->button()))
        Guarded([&] { chart_.MouseUp(*button, at.x(), at.y()); });
}

void ChartView::wheelEvent(QWheelEvent* event) {
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ -= notches * kWheelNotch;
    Guarded([&] { chart_.MouseWheel(notches); });
    event->accept();
}

}  // namespace colmara
