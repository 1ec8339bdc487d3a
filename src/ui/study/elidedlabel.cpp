#include "ui/study/elidedlabel.h"

#include <QResizeEvent>

namespace colmara {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setTextFormat(Qt::PlainText);
}

void ElidedLabel::SetText(const QString& text) {
    full_ = text;
    Fit();
}

QSize ElidedLabel::sizeHint() const {
    return minimumSizeHint();
}

QSize ElidedLabel::minimumSizeHint() const {
    // One line high and no wider than the ellipsis: the layout decides.
    const QMargins m = contentsMargins();
    return {fontMetrics().horizontalAdvance(QStringLiteral("…")) + m.left() + m.right(),
            fontMetrics().height() + m.top() + m.bottom()};
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    Fit();
}

void ElidedLabel::Fit() {
    const QString shown = fontMetrics().elidedText(full_, Qt::ElideRight, contentsRect().width());
    if (shown != text()) QLabel::setText(shown);
    setToolTip(shown == full_ ? QString() : full_);
}

}  // namespace colmara
