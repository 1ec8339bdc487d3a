#include "ui/form1.h"

#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "report/calculate.h"
#include "runtime/numconv.h"
#include "ui/chart/chartwidget.h"
#include "ui/clickablelabel.h"
#include "ui/errorreporter.h"
#include "ui/fonts.h"
#include "ui/form3.h"
#include "ui/seriespointsink.h"

namespace colmara {

namespace {
constexpr int kClientWidth = 678;
constexpr int kClientHeight = 500;
constexpr int kLeft = 270;
constexpr int kTop = 141;
constexpr int kLastCountedPass = 1001;
}  // namespace

TForm1::TForm1(ErrorReporter& reporter, QWidget* parent) : QWidget(parent), reporter_(reporter) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Colmara"));
    setFont(FormFont());
    setFixedSize(kClientWidth, kClientHeight);
    move(kLeft, kTop);

    CreateControls();
    SetTabOrder();
    // The power field starts with the focus and its text selected, so typing
    // replaces it as it does after Tab.
    Edit1->setFocus(Qt::TabFocusReason);
    Edit1->selectAll();
    chartSink_ = std::make_unique<SeriesPointSink>(Chart1->Series1());
    Chart1->SetEventGuard(
        [this](const std::function<void()>& handler) { reporter_.Guard(handler); });
    sink_ = std::make_unique<ListReportSink>(ListBox1, ListBox2, chartSink_.get());
    options_ = std::make_unique<CheckBoxOptionSource>(CheckBox7, CheckBox9, CheckBox8, CheckBox10);
    ConnectHandlers();
}

TForm1::~TForm1() = default;

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

void TForm1::Button1Click() {
    InputTexts inputs;
    inputs.power = Edit1->text().toStdString();
    inputs.strength = Edit2->text().toStdString();
    inputs.plates = Edit3->text().toStdString();
    inputs.reflux = Edit4->text().toStdString();
    Calculate(column_, inputs, *sink_, *options_, ProcessFormatSettings());
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

void TForm1::changeEvent(QEvent* event) {
    // The next calculation reads and writes numbers with the user's new
    // decimal symbol.
    if (event->type() == QEvent::LocaleChange)
        reporter_.Guard([] { RereadProcessFormatSettings(); });
    QWidget::changeEvent(event);
}

}  // namespace colmara
