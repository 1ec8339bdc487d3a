// Keeps a window's menu shortcuts working while a text field has the focus.
// A line edit claims some keys for editing before any shortcut sees them
// (on X11 Ctrl+E moves to the end of the line), so without this Ctrl+E would
// export nothing while the user is typing in a field.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class QWidget;

namespace colmara {

class ShortcutKeeper : public QObject {
  public:
    // Filters every widget inside `window` (as it is now) so that the given
    // shortcuts reach the window's actions.
    ShortcutKeeper(QWidget& window, QList<QKeySequence> shortcuts);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QList<QKeySequence> shortcuts_;
};

}  // namespace colmara
