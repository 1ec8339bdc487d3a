#include "ui/study/chartpane.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace colmara {

ChartPane::ChartPane(const QString& accessibleName, ReadoutText readout,
                     const FormatSettings& settings, QWidget* parent)
    : QWidget(parent),
      view_(new ChartView(this, settings)),
      readout_(new ElidedLabel(this)),
      text_(std::move(readout)) {
    view_->setAccessibleName(accessibleName);
    view_->setFocusPolicy(Qt::StrongFocus);
    // Small enough for the window's minimum size on a 640 x 480 screen.
    view_->setMinimumSize(240, 100);
    view_->setMouseTracking(true);
    view_->installEventFilter(this);
    readout_->setAccessibleName(accessibleName + QStringLiteral(" readout"));
    readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    // Room for the focus frame, so a chart reached by Tab shows it has the focus.
    layout->setContentsMargins(kFocusFrame, kFocusFrame, kFocusFrame, 0);
    layout->addWidget(view_, 1);
    layout->addWidget(readout_);
    connect(view_, &ChartView::Rendered, this, [this] {
        if (reading_) ReadAt(pointer_);
    });
}

void ChartPane::ReadAt(QPoint at) {
    const TChart& chart = view_->Chart();
    pointer_ = at;
    reading_ = true;
    const auto readings = ReadValuesAt(chart.Layout(), chart.SeriesList(), {at.x(), at.y()},
                                       ReadoutMetric::rmHorizontal);
    readout_->SetText(QString::fromStdString(text_(readings)));
}

double ChartPane::PointerX() const {
    return view_->Chart().Layout().Axis(AxisSide::Bottom).Scale.CalcPosPoint(pointer_.x());
}

double ChartPane::PointerY() const {
    return view_->Chart().Layout().Axis(AxisSide::Left).Scale.CalcPosPoint(pointer_.y());
}

bool ChartPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_) {
        if (event->type() == QEvent::MouseMove)
            ReadAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        else if (event->type() == QEvent::Leave) {
            reading_ = false;
            readout_->SetText({});
        } else if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            update();
    }
    return QWidget::eventFilter(watched, event);
}

void ChartPane::paintEvent(QPaintEvent*) {
    if (!view_->hasFocus()) return;
    QPainter painter(this);
    const int half = kFocusFrame / 2;
    painter.setPen(QPen(palette().color(QPalette::Highlight), kFocusFrame));
    painter.drawRect(view_->geometry().adjusted(-half, -half, half - 1, half - 1));
}

}  // namespace colmara
