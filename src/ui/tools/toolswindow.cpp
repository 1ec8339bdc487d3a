#include "ui/tools/toolswindow.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include "ui/tools/toolsguide.h"

namespace colmara {

namespace {

constexpr const char* kObjectName = "colmaraToolsWindow";

// A form on its page, scrolled when the screen is too small for it; it
// takes the page's width, so it never scrolls sideways.
QScrollArea* Page(ToolForm* form) {
    auto* page = new QScrollArea;
    page->setWidget(form);
    page->setWidgetResizable(true);
    page->setFrameShape(QFrame::NoFrame);
    page->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return page;
}

// The window's first size: what it asks for, within the screen it is on
// less room for a caption and borders.
QSize FirstSize(const QWidget& window) {
    constexpr int kFrameWidth = 8;
    constexpr int kFrameHeight = 32;
    const QScreen* screen = window.screen();
    if (screen == nullptr) return window.sizeHint();
    const QRect room = screen->availableGeometry();
    return window.sizeHint().boundedTo(
        QSize(room.width() - kFrameWidth, room.height() - kFrameHeight));
}

}  // namespace

ToolsWindow::ToolsWindow(const FormatSettings& settings, QWidget* parent)
    : QWidget(parent, Qt::Window),
      tabs_(new QTabWidget(this)),
      dilution_(new DilutionForm(settings)),
      blend_(new BlendForm(settings)),
      hydrometer_(new HydrometerForm(settings)),
      sizing_(new SizingForm(settings)),
      thermometer_(new ThermometerForm(settings)),
      myColumn_(new MyColumnForm(settings)) {
    setObjectName(QString::fromUtf8(kObjectName));
    setWindowTitle(QStringLiteral("Colmara Tools"));
    tabs_->setAccessibleName(QStringLiteral("Tools"));
    tabs_->addTab(Page(dilution_), QStringLiteral("&Dilution"));
    tabs_->addTab(Page(blend_), QStringLiteral("&Blending"));
    tabs_->addTab(Page(hydrometer_), QStringLiteral("H&ydrometer"));
    tabs_->addTab(Page(sizing_), QStringLiteral("S&izing"));
    tabs_->addTab(Page(thermometer_), QStringLiteral("Therm&ometer"));
    tabs_->addTab(Page(myColumn_), QStringLiteral("My co&lumn"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Help | QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setToolTip(QStringLiteral("Close (Escape)"));
    buttons->button(QDialogButtonBox::Help)
        ->setToolTip(QStringLiteral("What each form computes (F1)"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { ShowToolsGuide(*this); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    AddKeys();
    resize(FirstSize(*this));
}

void ToolsWindow::AddKeys() {
    auto* help = new QAction(QStringLiteral("Help"), this);
    help->setShortcut(QKeySequence::HelpContents);
    connect(help, &QAction::triggered, this, [this] { ShowToolsGuide(*this); });
    auto* close = new QAction(QStringLiteral("Close"), this);
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(close, &QAction::triggered, this, &QWidget::close);
    addActions({help, close});
}

ToolsWindow& ShowToolsWindow(QWidget& owner, const InputTexts& texts, StrengthUnit unit,
                             const FormatSettings& settings, const BatchTexts* batch) {
    auto* window =
        owner.findChild<ToolsWindow*>(QString::fromUtf8(kObjectName), Qt::FindDirectChildrenOnly);
    if (window == nullptr) window = new ToolsWindow(settings, &owner);
    window->Sizing().StartWith(texts, unit);
    if (batch != nullptr)
        window->Sizing().StartCharge(
            batch->charge, batch->chargeUnit == "g" ? ChargeUnit::Grams : ChargeUnit::Millilitres,
            batch->startTemperature);
    window->show();
    window->raise();
    window->activateWindow();
    return *window;
}

}  // namespace colmara
