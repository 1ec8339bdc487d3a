// The thermometer's answers from texts: the air pressure (hPa or altitude),
// a thermometer's offset (in K, or from its reading in boiling water), and
// a liquid or vapour given by its strength or its temperature, answered by
// the boiling layer as labelled figures. A refusal names the input by the
// name its text carries: the boiling layer's own messages are renamed.
#pragma once

#include <optional>

#include "boiling/thermometer.h"
#include "study/strengthunit.h"
#include "toolsview/numbertext.h"
#include "toolsview/toolanswer.h"

namespace colmara {

struct PressureTexts {
    // Neither given: 1013.25 hPa.
    std::optional<NamedText> pressure;  // hPa
    std::optional<NamedText> altitude;  // m, by the standard atmosphere
};

struct ThermometerTexts {
    // Neither given: a true thermometer.
    std::optional<NamedText> offset;               // K
    std::optional<NamedText> boilingWaterReading;  // degC, at the pressure
};

// Where readings are taken: the pressure and the thermometer read there.
struct Conditions {
    long double hpa = 0;
    std::optional<Thermometer> thermometer;
};

// Throws BoilingError naming the pressure or altitude outside the range,
// SpiritError for a text that does not read.
Conditions ConditionsOf(const PressureTexts& pressure, const ThermometerTexts& thermometer,
                        const NumberReader& read);

// The message of a refusal whose input name (before its first ": ") is
// replaced by `name`: the layers name their inputs by their own words.
std::string RenamedMessage(const std::string& message, const std::string& name);

// What the boiling command is given: a liquid or a vapour, by its strength
// or by a temperature read in it.
enum class BoilingGiven { Liquid, Vapour, LiquidTemperature, VapourTemperature };

struct BoilingTexts {
    BoilingGiven given = BoilingGiven::Liquid;
    NamedText value;  // a strength in `unit`, or a reading in degC
    StrengthUnit unit = StrengthUnit::Volume;
    PressureTexts pressure;
    ThermometerTexts thermometer;
};

// The pressure; the liquid and the vapour in equilibrium, each by volume
// and by weight; the temperature; with a thermometer, what it reads; and
// with the unit by mole, the liquid and the vapour by mole last.
// A liquid given answers its boiling point and the vapour over it; a
// vapour given, its condensing point and the liquid boiling there. A
// temperature (less the thermometer's offset) answers the liquid boiling
// or the vapour condensing at it, and the other stream as above. Throws
// BoilingError naming the value for a temperature no mixture boils at and
// for a vapour above the azeotrope, SpiritError for a text that does not
// read or a strength outside 0..100 %.
ToolAnswer BoilingAnswer(const BoilingTexts& texts, const NumberReader& read);

}  // namespace colmara
