// A column's plates from texts: worked back from two readings (the boiler's
// and the head's, each a strength or a temperature), and the two limits of
// a separation (the fewest plates, the least reflux and its pinch), answered
// by the study layer as labelled figures. Refusals name the input by the
// name its text carries; the study and boiling layers' own names are
// replaced by it.
#pragma once

#include <optional>

#include "study/strengthunit.h"
#include "toolsview/boilinganswer.h"
#include "toolsview/numbertext.h"
#include "toolsview/readingunit.h"
#include "toolsview/toolanswer.h"

namespace colmara {

// A reading as typed: a temperature when its unit is degC or when its text
// is written with a C after it ("78.4C", whatever the unit), else a
// strength in its unit.
struct ReadingText {
    NamedText text;
    ReadingUnit unit = ReadingUnit::Volume;
};

struct PlatesTexts {
    // A temperature is the boiler's liquid boiling, the head's vapour
    // condensing there, at the pressure, after the thermometer's offset.
    ReadingText boiler;
    ReadingText head;
    // W and the reflux ratio, as the column calculation reads them; none:
    // total reflux.
    std::optional<NamedText> power;
    std::optional<NamedText> reflux;
    PressureTexts pressure;
    ThermometerTexts thermometer;
    std::optional<NamedText> height;      // m of packing: adds the HETP
    std::optional<NamedText> realPlates;  // trays: adds the overall efficiency
};

// True when a reading is a temperature (ends in "C" or "°C").
bool IsTemperatureReading(const std::string& text);

// The whole plates above the boiler that first reach the head, the
// fraction (platecount.h), the stages counting the boiler, and when asked
// for the HETP (height / plates) and the overall efficiency (plates / real
// plates); those two are left out for a head reached below one plate.
// Throws StudyError for a head no stronger than the boiler, OutOfReachError
// for one no column reaches (saying what it reaches), BoilingError for a
// temperature no mixture boils at, SpiritError for a text that does not
// read or a value outside its range.
ToolAnswer PlatesAnswer(const PlatesTexts& texts, const NumberReader& read);

struct LimitsTexts {
    NamedText strength;  // the boiler's, in `unit`
    NamedText target;    // the product's, in `unit`
    NamedText power;     // W
    StrengthUnit unit = StrengthUnit::Volume;
    NamedText efficiency{"100", "efficiency"};  // % per plate, 1 to 100
};

// The fewest plates at total reflux (whole and fraction), the least reflux
// at 100 plates, and the pinch's plates and strength (by weight and by
// volume). Throws StudyError for a target above the azeotrope or one the
// boiler's own vapour reaches, OutOfReachError for one out of reach,
// SpiritError as PlatesAnswer.
ToolAnswer LimitsAnswer(const LimitsTexts& texts, const NumberReader& read);

}  // namespace colmara
