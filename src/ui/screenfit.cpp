#include "ui/screenfit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace colmara {

namespace {

// The start of a span of `length` at `start`, moved into [low, high): the far
// end first, then the near end, so the near end wins when it cannot fit.
int FittedStart(int start, int length, int low, int high) {
    return std::max(std::min(start, high - length), low);
}

// The window's frame as it stands, moved onto the screen it is on.
void FitNow(QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr) screen = window.screen();
    if (screen == nullptr) return;
    const QPoint fitted = FittedTopLeft(frame, screen->availableGeometry());
    if (fitted != frame.topLeft()) window.move(window.pos() + (fitted - frame.topLeft()));
}

}  // namespace

QPoint FittedTopLeft(const QRect& window, const QRect& available) {
    return {FittedStart(window.left(), window.width(), available.left(),
                        available.left() + available.width()),
            FittedStart(window.top(), window.height(), available.top(),
                        available.top() + available.height())};
}

QSize FittedSize(const QSize& wanted, const QRect& available) {
    // A typical caption and border; the frame is unknown until the window
    // system has framed the window.
    constexpr int kFrameWidth = 8;
    constexpr int kFrameHeight = 32;
    const QSize room(std::max(1, available.width() - kFrameWidth),
                     std::max(1, available.height() - kFrameHeight));
    return wanted.boundedTo(room);
}

void KeepOnScreen(QWidget& window) {
    FitNow(window);
    QTimer::singleShot(0, &window, [w = &window] { FitNow(*w); });
}

}  // namespace colmara
