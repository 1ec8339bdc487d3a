#include "ui/form3.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/enterpress.h"
#include "ui/errorreporter.h"
#include "ui/fonts.h"
#include "ui/formframe.h"
#include "ui/informationtext.h"
#include "ui/screenfit.h"

namespace colmara {

namespace {
// The client area and its first place on the screen.
constexpr QRect kPlace(396, 72, 269, 440);
}  // namespace

TForm3::TForm3(ErrorReporter& reporter, QWidget* parent) : QWidget(parent), reporter_(reporter) {
    SetUpFormFrame(*this, QStringLiteral("Form3"), QStringLiteral("Information"), kPlace);
    // Only the main window's closing ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);

    Label1 = new QLabel(QStringLiteral("Colmara information"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(70, 8, 128, 17);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(17, 32, 234, 369);
    Memo1->setFont(InformationFont());
    Memo1->setPlainText(InformationLines().join(QLatin1Char('\n')));
    Memo1->setReadOnly(true);
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo1->setFocusPolicy(Qt::StrongFocus);
    // Tab leaves the text for "Close" rather than being typed.
    Memo1->setTabChangesFocus(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    Button1 = new QPushButton(QStringLiteral("Close"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(97, 408, 75, 25);
    Button1->setAutoDefault(false);
    PressOnEnter(*Button1);
    QWidget::setTabOrder(Button1, Memo1);

    connect(Button1, &QPushButton::clicked, this,
            [this] { reporter_.Guard([this] { Button1Click(); }); });
}

void TForm3::Button1Click() {
    hide();
}

void TForm3::showEvent(QShowEvent* event) {
    KeepOnScreen(*this);
    QWidget::showEvent(event);
    Button1->setFocus(Qt::OtherFocusReason);
}

void TForm3::closeEvent(QCloseEvent* event) {
    // The title-bar close hides the window like "Close"; it is never destroyed.
    reporter_.Guard([this] { Button1Click(); });
    event->accept();
}

}  // namespace colmara
