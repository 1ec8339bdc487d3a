// Hints: a control's hint becomes its tool tip, shown after the mouse rests
// 500 ms, hidden after 2500 ms, and at once on the next hinted control while
// one is showing.
#pragma once

#include <QString>

class QWidget;

namespace colmara {

inline constexpr int kHintPauseMs = 500;
inline constexpr int kHintHidePauseMs = 2500;

// The tool-tip text of a hint: a carriage return starts a new line.
QString HintToolTip(const QString& hint);

// Gives `control` the hint with the program's tool-tip timing.
void SetHint(QWidget* control, const QString& hint);

}  // namespace colmara
