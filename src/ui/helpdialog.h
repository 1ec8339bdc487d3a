// The help of a window: a text in the program (it works offline and always
// matches the version in use) in a dialog of its own beside the window, made
// on first use and raised when asked for again, never blocking the window.
#pragma once

#include <QSize>
#include <QString>

class QWidget;

namespace colmara {

struct HelpText {
    QString objectName;      // finds the dialog again among `parent`'s children
    QString title;           // the dialog's caption
    QString accessibleName;  // of the text
    QString html;
    QSize size;  // first size
};

// Shows `parent`'s help dialog for `help`, made on first use, raised.
void ShowHelpDialog(QWidget& parent, const HelpText& help);

}  // namespace colmara
