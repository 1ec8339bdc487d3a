#include "ui/tools/hydrometerform.h"

#include "spirit/conversions.h"
#include "spirit/hydrometer.h"

namespace colmara {

HydrometerForm::HydrometerForm(const FormatSettings& settings, QWidget* parent)
    : ToolForm(settings, parent) {
    reading = AddField(QStringLiteral("&Reading"), QStringLiteral("Reading"),
                       QStringLiteral("What the alcoholmeter shows"), QStringLiteral("40"));
    temperature = AddField(QStringLiteral("&Temperature, °C"), QStringLiteral("Temperature"),
                           QStringLiteral("Temperature of the spirit when read, -20 to 40 °C"),
                           QStringLiteral("20"));
    unit = AddUnitSelector(QStringLiteral("&Meter's scale"), QStringLiteral("Meter scale"),
                           QStringLiteral("What the alcoholmeter is graduated in"));
    volume = AddField(QStringLiteral("&Volume, ml"), QStringLiteral("Volume at the temperature"),
                      QStringLiteral("Optional: millilitres measured at that temperature, "
                                     "to convert to 20 °C"),
                      QString());
    FinishLayout();
    Answer();
}

std::string HydrometerForm::Compute() const {
    const long double celsius = Number(temperature);
    const TrueStrength t = CorrectReading({Number(reading), UnitOf(unit)}, celsius);
    std::string text = Line("Strength at 20 °C", t.strengthVol, "0.00", "% vol") + '\n' +
                       Line("Strength by weight", t.strengthWeight, "0.00", "%");
    if (!volume->text().trimmed().isEmpty()) {
        const Strength truth{t.strengthWeight, StrengthUnit::Weight};
        text +=
            '\n' + Line("Volume at 20 °C", VolumeAt20(Number(volume), truth, celsius), "0.0", "ml");
    }
    return text;
}

}  // namespace colmara
