// Keeping a window on the screen: a window whose place would reach past the
// available screen area (a small screen, a large scale factor) is moved just
// enough to lie inside it.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace colmara {

// The top left at which `window` lies inside `available`, moved as little as
// possible on each axis. A window larger than the area keeps its top left
// edge in view, where the caption and the first controls are.
QPoint FittedTopLeft(const QRect& window, const QRect& available);

// `wanted`, no larger than `available` less room for a window frame (a
// caption and borders), so that the framed window fits.
QSize FittedSize(const QSize& wanted, const QRect& available);

// Moves `window` to its fitted place on the screen it is on; nothing changes
// for a window that already fits. Called as the window is shown, it fits the
// window at once and fits it again, frame included, once the window system
// has framed it.
void KeepOnScreen(QWidget& window);

}  // namespace colmara
