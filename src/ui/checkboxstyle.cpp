#include "ui/checkboxstyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QPointer>
#include <QProxyStyle>

namespace colmara {

namespace {

// Pixels between the check box and its label.
constexpr int kCheckBoxLabelSpacing = 4;

// The application's own style, with the label closer to the box than most
// styles place it (they leave 6 pixels, which cuts the end of the widest
// option texts).
class CheckBoxLabelStyle : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_CheckBoxLabelSpacing) return kCheckBoxLabelSpacing;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QStyle* LabelStyle() {
    // Owned by the application object, so it outlives every window.
    static QPointer<CheckBoxLabelStyle> style;
    if (!style) {
        style = new CheckBoxLabelStyle;
        style->setParent(qApp);
    }
    return style;
}

}  // namespace

void UseCheckBoxLabelSpacing(QCheckBox* box) {
    box->setStyle(LabelStyle());
}

}  // namespace colmara
