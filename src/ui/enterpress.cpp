#include "ui/enterpress.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QObject>

namespace colmara {

namespace {

class EnterPress : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        // Modifiers other than the keypad's mean another shortcut.
        const bool enter = (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (!enter) return false;
        auto* button = static_cast<QAbstractButton*>(watched);
        if (!key->isAutoRepeat() && button->isEnabled()) button->click();
        return true;
    }
};

}  // namespace

void PressOnEnter(QAbstractButton& button) {
    button.installEventFilter(new EnterPress(&button));
}

}  // namespace colmara
