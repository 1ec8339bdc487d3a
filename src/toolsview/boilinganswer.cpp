#include "toolsview/boilinganswer.h"

#include "boiling/airpressure.h"
#include "boiling/boilingerror.h"
#include "boiling/boilingpoint.h"
#include "model/properties.h"
#include "spirit/spiritstrength.h"
#include "study/strengthtext.h"

namespace colmara {

namespace {

constexpr FigureLabel kPressure{"pressure_hpa", "pressure", "Pressure", "hPa", 2};
constexpr FigureLabel kLiquidVol{"liquid_strength_vol", "liquid strength", "Liquid strength",
                                 "% vol", 2};
constexpr FigureLabel kLiquid{"liquid_strength", "liquid strength by weight",
                              "Liquid strength by weight", "%", 2};
constexpr FigureLabel kVapourVol{"vapour_strength_vol", "vapour strength", "Vapour strength",
                                 "% vol", 2};
constexpr FigureLabel kVapour{"vapour_strength", "vapour strength by weight",
                              "Vapour strength by weight", "%", 2};
constexpr FigureLabel kLiquidMol{"liquid_strength_mol", "liquid strength by mole",
                                 "Liquid strength by mole", "% mol", 2};
constexpr FigureLabel kVapourMol{"vapour_strength_mol", "vapour strength by mole",
                                 "Vapour strength by mole", "% mol", 2};
constexpr FigureLabel kCelsius{"temperature", "temperature", "Temperature", "degC", 2};
constexpr FigureLabel kReading{"thermometer_reading", "thermometer reads", "Thermometer reads",
                               "degC", 2};

// The liquid and vapour in equilibrium at a temperature.
struct Equilibrium {
    long double liquid = 0;
    long double vapour = 0;
    long double celsius = 0;
};

Equilibrium OfLiquid(long double liquid, long double hpa) {
    return {liquid, VapourOverLiquid(liquid, hpa), LiquidBoilingCelsius(liquid, hpa)};
}

// The vapour's condensing point, and the liquid that boils there.
Equilibrium OfVapour(long double vapour, long double hpa) {
    const long double celsius = VapourCondensingCelsius(vapour, hpa);
    return {LiquidAtCelsius(celsius, hpa), vapour, celsius};
}

Equilibrium Solved(BoilingGiven given, long double value, long double hpa) {
    if (given == BoilingGiven::Liquid) return OfLiquid(value, hpa);
    if (given == BoilingGiven::Vapour) return OfVapour(value, hpa);
    if (given == BoilingGiven::LiquidTemperature) {
        const long double liquid = LiquidAtCelsius(value, hpa);
        return {liquid, VapourOverLiquid(liquid, hpa), value};
    }
    // The vapour first: a refusal names its condensing point.
    const long double vapour = VapourAtCelsius(value, hpa);
    return {LiquidAtCelsius(value, hpa), vapour, value};
}

bool TemperatureGiven(BoilingGiven given) {
    return given == BoilingGiven::LiquidTemperature || given == BoilingGiven::VapourTemperature;
}

// A strength given, as a mass fraction; no liquid gives off a vapour above
// the azeotrope.
long double FractionGiven(const BoilingTexts& texts, const NumberReader& read) {
    const long double fraction = MassFractionOf({read(texts.value), texts.unit}, texts.value.name);
    const long double azeotrope = vapourstrength(1);
    if (texts.given == BoilingGiven::Vapour && fraction > azeotrope)
        throw BoilingError(texts.value.name + ": a vapour above the azeotrope (" +
                           MessageStrength(azeotrope, texts.unit) + ") rises from no liquid");
    return fraction;
}

}  // namespace

std::string RenamedMessage(const std::string& message, const std::string& name) {
    const std::size_t colon = message.find(": ");
    return name + (colon == std::string::npos ? ": " + message : message.substr(colon));
}

Conditions ConditionsOf(const PressureTexts& pressure, const ThermometerTexts& thermometer,
                        const NumberReader& read) {
    Conditions conditions{kStandardHpa, std::nullopt};
    try {
        if (pressure.pressure) conditions.hpa = CheckedPressure(read(*pressure.pressure));
        if (pressure.altitude) conditions.hpa = PressureAtAltitude(read(*pressure.altitude));
    } catch (const BoilingError& e) {
        const NamedText& given = pressure.pressure ? *pressure.pressure : *pressure.altitude;
        throw BoilingError(RenamedMessage(e.Message(), given.name));
    }
    if (thermometer.offset) conditions.thermometer = Thermometer{read(*thermometer.offset)};
    if (thermometer.boilingWaterReading)
        conditions.thermometer =
            CalibratedInBoilingWater(read(*thermometer.boilingWaterReading), conditions.hpa);
    return conditions;
}

ToolAnswer BoilingAnswer(const BoilingTexts& texts, const NumberReader& read) {
    const Conditions at = ConditionsOf(texts.pressure, texts.thermometer, read);
    const bool temperature = TemperatureGiven(texts.given);
    const long double reading = temperature ? read(texts.value) : 0;
    const long double value = !temperature     ? FractionGiven(texts, read)
                              : at.thermometer ? at.thermometer->TrueCelsius(reading)
                                               : reading;
    Equilibrium e;
    try {
        e = Solved(texts.given, value, at.hpa);
    } catch (const BoilingError& error) {
        throw BoilingError(RenamedMessage(error.Message(), texts.value.name));
    }
    ToolAnswer answer{{&kPressure, at.hpa},       {&kLiquidVol, VolumeFromWeight(e.liquid * 100)},
                      {&kLiquid, e.liquid * 100}, {&kVapourVol, VolumeFromWeight(e.vapour * 100)},
                      {&kVapour, e.vapour * 100}, {&kCelsius, e.celsius}};
    if (at.thermometer)
        answer.push_back({&kReading, temperature ? reading : e.celsius + at.thermometer->offset});
    // Asked by mole, both streams by mole as well.
    if (texts.unit == StrengthUnit::Mole) {
        answer.push_back({&kLiquidMol, MoleFromWeight(e.liquid * 100)});
        answer.push_back({&kVapourMol, MoleFromWeight(e.vapour * 100)});
    }
    CheckFigures(answer);
    return answer;
}

}  // namespace colmara
