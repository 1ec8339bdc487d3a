#include "ui/study/chartpane.h"

#include <QMouseEvent>
#include <QVBoxLayout>

namespace colmara {

ChartPane::ChartPane(const QString& accessibleName, ReadoutText readout,
                     const FormatSettings& settings, QWidget* parent)
    : QWidget(parent),
      view_(new ChartView(this, settings)),
      readout_(new QLabel(this)),
      text_(std::move(readout)) {
    view_->setAccessibleName(accessibleName);
    view_->setFocusPolicy(Qt::StrongFocus);
    view_->setMinimumSize(320, 220);
    view_->setMouseTracking(true);
    view_->installEventFilter(this);
    readout_->setAccessibleName(accessibleName + QStringLiteral(" readout"));
    readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // One line always, so the chart does not jump as the pointer moves.
    readout_->setMinimumHeight(readout_->fontMetrics().height());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_, 1);
    layout->addWidget(readout_);
}

void ChartPane::ReadAt(QPoint at) {
    const TChart& chart = view_->Chart();
    const auto readings = ReadValuesAt(chart.Layout(), chart.SeriesList(), {at.x(), at.y()},
                                       ReadoutMetric::rmHorizontal);
    readout_->setText(QString::fromStdString(text_(readings)));
}

bool ChartPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_) {
        if (event->type() == QEvent::MouseMove)
            ReadAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        else if (event->type() == QEvent::Leave)
            readout_->clear();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace colmara
