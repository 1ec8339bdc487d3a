#include "ui/form1.h"

#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "report/calculate.h"
#include "runtime/numconv.h"
#include "ui/chart/chartwidget.h"
#include "ui/checkboxoptions.h"
#include "ui/clickablelabel.h"
#include "ui/errorreporter.h"
#include "ui/form3.h"
#include "ui/formframe.h"
#include "ui/listreportsink.h"
#include "ui/reportmenu.h"
#include "ui/screenfit.h"

namespace colmara {

namespace {
// The client area and its first place on the screen.
constexpr QRect kPlace(270, 141, 678, 500);
constexpr int kLastCountedPass = 1001;
}  // namespace

TForm1::TForm1(ErrorReporter& reporter, QWidget* parent) : QWidget(parent), reporter_(reporter) {
    SetUpFormFrame(*this, QStringLiteral("Form1"), QStringLiteral("Colmara"), kPlace);
    CreateControls();
    AddHints();
    SetTabOrder();
    // The power field starts with the focus and its text selected, so typing
    // replaces it as it does after Tab.
    Edit1->setFocus(Qt::TabFocusReason);
    Edit1->selectAll();
    Chart1->SetEventGuard(
        [this](const std::function<void()>& handler) { reporter_.Guard(handler); });
    ConnectHandlers();
    reportMenu_ = new ReportMenu(*this, reporter_);
}

void TForm1::ConnectHandlers() {
    connect(Button1, &QPushButton::clicked, this,
            [this] { reporter_.Guard([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this,
            [this] { reporter_.Guard([this] { Button2Click(); }); });
    connect(Button3, &QPushButton::clicked, this,
            [this] { reporter_.Guard([this] { Button3Click(); }); });
    connect(Button4, &QPushButton::clicked, this,
            [this] { reporter_.Guard([this] { Button4Click(); }); });
    Label8->OnClick = [this] { reporter_.Guard([this] { Button4Click(); }); };
}

InputTexts TForm1::FieldTexts() const {
    return {Edit1->text().toStdString(), Edit2->text().toStdString(), Edit3->text().toStdString(),
            Edit4->text().toStdString()};
}

void TForm1::Button1Click() {
    const InputTexts inputs = FieldTexts();
    ListReportSink sink(ListBox1, ListBox2, Chart1->Series1());
    const CheckBoxOptionSource options(CheckBox7, CheckBox9, CheckBox8, CheckBox10);
    lastCalculated_.reset();
    Calculate(column_, inputs, sink, options, ProcessFormatSettings());
    lastCalculated_ = CalculatedCase{inputs, ProcessFormatSettings()};
}

void TForm1::Button2Click() {
    column_.ResolveTopDown();
}

void TForm1::Button3Click() {
    for (column_.passcounter = 1; column_.passcounter < kLastCountedPass; ++column_.passcounter) {
    }
}

void TForm1::Button4Click() {
    if (form3_ != nullptr && !form3_->isVisible()) form3_->show();
}

void TForm1::showEvent(QShowEvent* event) {
    KeepOnScreen(*this);
    QWidget::showEvent(event);
}

void TForm1::changeEvent(QEvent* event) {
    // The next calculation reads and writes numbers with the user's new
    // decimal symbol.
    if (event->type() == QEvent::LocaleChange)
        reporter_.Guard([] { RereadProcessFormatSettings(); });
    QWidget::changeEvent(event);
}

}  // namespace colmara
