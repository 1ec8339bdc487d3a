#include "ui/hints.h"

#include <QApplication>
#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>
#include <algorithm>

namespace colmara {

namespace {

QString ToolTipText(const QString& hint) {
    QString text = hint;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// Input and activation that end the mouse's rest before its tip shows.
bool EndsRest(QEvent::Type type) {
    switch (type) {
        case QEvent::Leave:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::ActivationChange:
            return true;
        default:
            return false;
    }
}

}  // namespace

Hints::Hints(QObject* owner) : QObject(owner), pause_(this) {
    pause_.setObjectName(QStringLiteral("HintPause"));
    pause_.setSingleShot(true);
    connect(&pause_, &QTimer::timeout, this, &Hints::ShowTip);
    // Mouse moves reach the application's filters even over controls that
    // do not track the mouse.
    qApp->installEventFilter(this);
}

void Hints::Add(QWidget* control, const QString& hint) {
    control->setToolTip(ToolTipText(hint));
    control->setToolTipDuration(kHintHidePauseMs);
    controls_.push_back(control);
}

// The control itself or the nearest hinted control it lies in, within its
// window.
QWidget* Hints::HintedControl(QObject* watched) const {
    if (!watched->isWidgetType()) return nullptr;
    for (auto* w = static_cast<QWidget*>(watched); w != nullptr;
         w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (std::find(controls_.begin(), controls_.end(), w) != controls_.end()) return w;
    }
    return nullptr;
}

bool Hints::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        QWidget* control = HintedControl(watched);
        if (control != nullptr && mouse->buttons() == Qt::NoButton)
            Rest(control, mouse->globalPosition().toPoint());
        else
            pause_.stop();
    } else if (event->type() == QEvent::ToolTip) {
        // The tips of hinted controls keep to this timing alone.
        return HintedControl(watched) != nullptr;
    } else if (EndsRest(event->type())) {
        pause_.stop();
    }
    return false;
}

// Every move starts the pause again; while a tip shows, the next one
// needs none.
void Hints::Rest(QWidget* control, QPoint globalPos) {
    resting_ = control;
    globalPos_ = globalPos;
    if (QToolTip::isVisible()) {
        pause_.stop();
        ShowTip();
    } else {
        pause_.start(kHintPauseMs);
    }
}

void Hints::ShowTip() {
    // Only the active window shows tips.
    if (!resting_ || !resting_->isVisible() || !resting_->window()->isActiveWindow()) return;
    // A tip is written in its window's font, not the desktop's.
    QToolTip::setFont(resting_->window()->font());
    QToolTip::showText(globalPos_, resting_->toolTip(), resting_, QRect(),
                       resting_->toolTipDuration());
}

}  // namespace colmara
