// Enter on a focused push button presses it, as Space does. The buttons of
// the windows are not default buttons (Enter in a field presses nothing), and
// a non-default button ignores Enter by itself.
#pragma once

class QAbstractButton;

namespace colmara {

// Return or keypad Enter while `button` has the focus clicks it.
void PressOnEnter(QAbstractButton& button);

}  // namespace colmara
