#include "ui/study/shortcutkeeper.h"

#include <QKeyEvent>
#include <QWidget>

namespace colmara {

ShortcutKeeper::ShortcutKeeper(QWidget& window, QList<QKeySequence> shortcuts)
    : QObject(&window), shortcuts_(std::move(shortcuts)) {
    for (QWidget* child : window.findChildren<QWidget*>()) child->installEventFilter(this);
}

bool ShortcutKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        // Left unaccepted, the override falls through to the shortcut.
        if (shortcuts_.contains(pressed)) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace colmara
