#include "ui/chart/chartwidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "ui/chart/qtchartcanvas.h"

namespace colmara {

namespace {

// One wheel notch in Qt's angle units (eighths of a degree).
constexpr int kWheelNotch = 120;

std::optional<TMouseButton> ToChartButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return TMouseButton::mbLeft;
        case Qt::RightButton:
            return TMouseButton::mbRight;
        case Qt::MiddleButton:
            return TMouseButton::mbMiddle;
        default:
            return std::nullopt;
    }
}

}  // namespace

TChartWidget::TChartWidget(QWidget* parent, const FormatSettings& settings)
    : QWidget(parent), chart_(settings) {
    series1_ = &chart_.AddSeries(std::make_unique<THorizLineSeries>());
    // Data and axis changes recompute the picture at the next paint; a
    // moving zoom rectangle only redraws over the buffered picture.
    chart_.OnInvalidate = [this] {
        bufferValid_ = false;
        update();
    };
    chart_.OnZoomRectangleChanged = [this] { update(); };
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TChartLayout TChartWidget::Render(QPainter& painter, const QRect& bounds) {
    TQtChartCanvas canvas(painter, palette());
    TChartLayout layout =
        chart_.CalcLayout(canvas, {bounds.left(), bounds.top(), bounds.left() + bounds.width(),
                                   bounds.top() + bounds.height()});
    chart_.DrawLayout(canvas, layout);
    return layout;
}

void TChartWidget::paintEvent(QPaintEvent*) {
    const qreal dpr = devicePixelRatioF();
    if (!bufferValid_ || buffer_.size() != size() * dpr) {
        buffer_ = QImage(size() * dpr, QImage::Format_RGB32);
        buffer_.setDevicePixelRatio(dpr);
        QPainter bp(&buffer_);
        Render(bp, rect());
        bufferValid_ = true;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, buffer_);
    TQtChartCanvas canvas(painter, palette());
    chart_.DrawZoomRectangle(canvas);
}

void TChartWidget::resizeEvent(QResizeEvent*) {
    bufferValid_ = false;
}

void TChartWidget::mousePressEvent(QMouseEvent* event) {
    if (auto button = ToChartButton(event->button()))
        chart_.MouseDown(*button, event->position().toPoint().x(), event->position().toPoint().y());
}

void TChartWidget::mouseMoveEvent(QMouseEvent* event) {
    chart_.MouseMove(event->position().toPoint().x(), event->position().toPoint().y());
}

void TChartWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (auto button = ToChartButton(event->button()))
        chart_.MouseUp(*button, event->position().toPoint().x(), event->position().toPoint().y());
}

void TChartWidget::wheelEvent(QWheelEvent* event) {
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ -= notches * kWheelNotch;
    chart_.MouseWheel(notches);
    event->accept();
}

}  // namespace colmara
