#include "ui/study/chartpane.h"

#include <QMouseEvent>
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
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_, 1);
    layout->addWidget(readout_);
}

void ChartPane::ReadAt(QPoint at) {
    const TChart& chart = view_->Chart();
    pointer_ = at;
    const auto readings = ReadValuesAt(chart.Layout(), chart.SeriesList(), {at.x(), at.y()},
                                       ReadoutMetric::rmHorizontal);
    readout_->SetText(QString::fromStdString(text_(readings)));
}

double ChartPane::PointerX() const {
    return view_->Chart().Layout().Axis(AxisSide::Bottom).Scale.CalcPosPoint(pointer_.x());
}

bool ChartPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_) {
        if (event->type() == QEvent::MouseMove)
            ReadAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        else if (event->type() == QEvent::Leave)
            readout_->SetText({});
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace colmara
