// The Tools window: the spirit tools, the still's sizing, its thermometers
// and its own column's plates as six small forms on tabs, each answering as
// it is typed in, a form scrolled where the screen is too small for it. One window per owner
// window, kept (hidden) when closed (Escape, Ctrl+W or Close) so its entries stay; F1 or Help shows
// what each form computes.
#pragma once

#include <QTabWidget>
#include <QWidget>

#include "report/calculate.h"
#include "study/batchtexts.h"
#include "study/strengthunit.h"
#include "ui/tools/blendform.h"
#include "ui/tools/dilutionform.h"
#include "ui/tools/hydrometerform.h"
#include "ui/tools/mycolumnform.h"
#include "ui/tools/sizingform.h"
#include "ui/tools/thermometerform.h"

namespace colmara {

class ToolsWindow : public QWidget {
    Q_OBJECT

  public:
    // settings: the decimal symbol of every form; must outlive the window.
    explicit ToolsWindow(const FormatSettings& settings, QWidget* parent = nullptr);

    QTabWidget& Tabs() { return *tabs_; }
    DilutionForm& Dilution() { return *dilution_; }
    BlendForm& Blending() { return *blend_; }
    HydrometerForm& Hydrometer() { return *hydrometer_; }
    SizingForm& Sizing() { return *sizing_; }
    ThermometerForm& Thermometer() { return *thermometer_; }
    MyColumnForm& MyColumn() { return *myColumn_; }

  private:
    void AddKeys();

    QTabWidget* tabs_;
    DilutionForm* dilution_;
    BlendForm* blend_;
    HydrometerForm* hydrometer_;
    SizingForm* sizing_;
    ThermometerForm* thermometer_;
    MyColumnForm* myColumn_;
};

// Shows `owner`'s Tools window (made on first use, a window of its own that
// goes with `owner`), raised, its sizing form started from `texts` typed in
// `unit`, and with `batch` from its charge, charge unit and start
// temperature.
ToolsWindow& ShowToolsWindow(QWidget& owner, const InputTexts& texts, StrengthUnit unit,
                             const FormatSettings& settings, const BatchTexts* batch = nullptr);

}  // namespace colmara
