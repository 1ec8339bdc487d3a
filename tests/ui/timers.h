// Driving timers in tests: a timer is sent the event its interval would
// bring, so a test never waits for wall-clock time.
#pragma once

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QTimer>
#include <QTimerEvent>
#include <QWidget>

namespace colmara::test {

// Runs what `timer` runs when its interval has passed.
inline void Elapse(QTimer& timer) {
    QTimerEvent tick(timer.timerId());
    QCoreApplication::sendEvent(&timer, &tick);
}

// Elapses the timer of `intervalMs` that the shown tool tip keeps; false when
// no tip shows or it has no such timer.
inline bool ElapseShownTipTimer(int intervalMs) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->inherits("QTipLabel") || !w->isVisible()) continue;
        for (const auto& timer : QAbstractEventDispatcher::instance()->registeredTimers(w)) {
            if (timer.interval != intervalMs) continue;
            QTimerEvent tick(timer.timerId);
            QCoreApplication::sendEvent(w, &tick);
            return true;
        }
    }
    return false;
}

}  // namespace colmara::test
