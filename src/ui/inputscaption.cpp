#include "ui/inputscaption.h"

#include "runtime/printable.h"
#include "study/input.h"
#include "studyview/studychart.h"

namespace colmara {

QString InputsCaption(const InputTexts& inputs, StrengthUnit unit, const QString& reflux) {
    const auto text = [](const std::string& typed) {
        return QString::fromStdString(EscapeControls(typed));
    };
    const QString byUnit = QString::fromStdString(StrengthUnitName(unit));
    const QString caption =
        QStringLiteral("Power %1 W \u00b7 strength %2 %3 \u00b7 %4 plates \u00b7 %5")
            .arg(text(inputs.power), text(inputs.strength), byUnit, text(inputs.plates),
                 reflux.isEmpty() ? QStringLiteral("reflux ") + text(inputs.reflux) : reflux);
    if (!Written(Input::Efficiency, inputs)) return caption;
    return caption + QStringLiteral(" \u00b7 efficiency %1 %").arg(text(inputs.efficiency));
}

}  // namespace colmara
