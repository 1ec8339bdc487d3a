// What the program's visible windows set up alike.
#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace colmara {

// Names the window, gives it its caption and the windows' font, fixes its
// client area to the size of `place` and first puts it at the top left of
// `place`.
void SetUpFormFrame(QWidget& form, const QString& name, const QString& caption, const QRect& place);

}  // namespace colmara
