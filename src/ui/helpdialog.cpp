#include "ui/helpdialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace colmara {

void ShowHelpDialog(QWidget& parent, const HelpText& help) {
    auto* dialog = parent.findChild<QDialog*>(help.objectName);
    if (dialog == nullptr) {
        dialog = new QDialog(&parent);
        dialog->setObjectName(help.objectName);
        dialog->setWindowTitle(help.title);
        auto* text = new QTextBrowser(dialog);
        text->setAccessibleName(help.accessibleName);
        text->setHtml(help.html);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
        QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
        auto* layout = new QVBoxLayout(dialog);
        layout->addWidget(text);
        layout->addWidget(buttons);
        dialog->resize(help.size);
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

}  // namespace colmara
