#include "ui/hints.h"

#include <QApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QWidget>

namespace colmara {

namespace {

// Qt takes the tool-tip delays from the style of the control under the mouse,
// so every hinted control gets this style around the application's own.
class HintTimingStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        switch (hint) {
            case SH_ToolTip_WakeUpDelay:
                return kHintPauseMs;
            case SH_ToolTip_FallAsleepDelay:
                // While a tip shows, the next control's tip follows at once.
                return kHintHidePauseMs;
            default:
                return QProxyStyle::styleHint(hint, option, widget, returnData);
        }
    }
};

QStyle* HintStyle() {
    // Owned by the application object, so it outlives every window.
    static QPointer<HintTimingStyle> style;
    if (!style) {
        style = new HintTimingStyle;
        style->setParent(qApp);
    }
    return style;
}

}  // namespace

QString HintToolTip(const QString& hint) {
    QString text = hint;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void SetHint(QWidget* control, const QString& hint) {
    control->setStyle(HintStyle());
    control->setToolTip(HintToolTip(hint));
    control->setToolTipDuration(kHintHidePauseMs);
}

}  // namespace colmara
