#include "ui/tools/toolswindow.h"

#include <QVBoxLayout>

namespace colmara {

namespace {

constexpr const char* kObjectName = "colmaraToolsWindow";

}  // namespace

ToolsWindow::ToolsWindow(const FormatSettings& settings, QWidget* parent)
    : QWidget(parent, Qt::Window),
      tabs_(new QTabWidget(this)),
      dilution_(new DilutionForm(settings)),
      blend_(new BlendForm(settings)),
      hydrometer_(new HydrometerForm(settings)),
      sizing_(new SizingForm(settings)) {
    setObjectName(QString::fromUtf8(kObjectName));
    setWindowTitle(QStringLiteral("Colmara Tools"));
    tabs_->setAccessibleName(QStringLiteral("Tools"));
    tabs_->addTab(dilution_, QStringLiteral("&Dilution"));
    tabs_->addTab(blend_, QStringLiteral("&Blending"));
    tabs_->addTab(hydrometer_, QStringLiteral("H&ydrometer"));
    tabs_->addTab(sizing_, QStringLiteral("S&izing"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
}

ToolsWindow& ShowToolsWindow(QWidget& owner, const InputTexts& texts, StrengthUnit unit,
                             const FormatSettings& settings) {
    auto* window =
        owner.findChild<ToolsWindow*>(QString::fromUtf8(kObjectName), Qt::FindDirectChildrenOnly);
    if (window == nullptr) window = new ToolsWindow(settings, &owner);
    window->Sizing().StartWith(texts, unit);
    window->show();
    window->raise();
    window->activateWindow();
    return *window;
}

}  // namespace colmara
