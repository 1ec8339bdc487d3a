#include "ui/tools/thermometerform.h"

#include <array>

namespace colmara {

namespace {

// What the reading is of; a temperature read in it when its unit is degC.
constexpr std::array<UnitChoice<BoilingGiven>, 2> kStreams{{
    {BoilingGiven::Vapour, "Vapour at the column's head (condensing)"},
    {BoilingGiven::Liquid, "Liquid in the boiler (boiling)"},
}};

BoilingGiven GivenOf(BoilingGiven stream, ReadingUnit unit) {
    if (unit != ReadingUnit::Celsius) return stream;
    return stream == BoilingGiven::Vapour ? BoilingGiven::VapourTemperature
                                          : BoilingGiven::LiquidTemperature;
}

}  // namespace

ThermometerForm::ThermometerForm(const FormatSettings& settings, QWidget* parent)
    : ConditionsForm(settings, parent) {
    stream = AddChoices(QStringLiteral("&Given"), QStringLiteral("Given"),
                        QStringLiteral("Where the reading is taken: the vapour at the head or "
                                       "the liquid in the boiler"),
                        kStreams);
    reading = AddFieldWithChoices(
        QStringLiteral("&Reading"), QStringLiteral("Reading"),
        QStringLiteral("A thermometer's reading, or a strength measured; its unit to the right"),
        QStringLiteral("78.6"), kReadingUnits, QStringLiteral("Reading unit"),
        QStringLiteral("°C for a thermometer's reading, or the unit of a strength"), readingUnit);
    AddConditionRows();
    FinishLayout();
    Answer();
}

AnswerJob ThermometerForm::Job() const {
    const ReadingUnit unit = UnitOf<ReadingUnit>(readingUnit);
    return [texts = BoilingTexts{GivenOf(UnitOf<BoilingGiven>(stream), unit), Text(reading),
                                 StrengthUnitOf(unit).value_or(StrengthUnit::Volume), Pressure(),
                                 Thermometer()}](const NumberReader& read) {
        return BoilingAnswer(texts, read);
    };
}

}  // namespace colmara
