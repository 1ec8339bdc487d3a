#include "toolsview/platesanswers.h"

#include <cmath>

#include "boiling/boilingerror.h"
#include "boiling/boilingpoint.h"
#include "spirit/spiriterror.h"
#include "spirit/spiritstrength.h"
#include "study/platecount.h"
#include "study/separationlimits.h"
#include "study/studyerror.h"

namespace colmara {

namespace {

constexpr FigureLabel kPlates{"plates", "plates above the boiler", "Plates above the boiler", "",
                              0};
constexpr FigureLabel kPlatesFraction{"plates_fraction", "plates above the boiler, fraction",
                                      "Plates above the boiler, fraction", "", 2};
constexpr FigureLabel kStages{"stages_fraction", "stages counting the boiler",
                              "Stages counting the boiler", "", 2};
constexpr FigureLabel kHetp{"hetp_m", "HETP", "HETP", "m", 3};
constexpr FigureLabel kEfficiency{"efficiency", "overall efficiency", "Overall efficiency", "", 3};
constexpr const char* kBelowOnePlate = "none, the head is reached below one plate";

constexpr FigureLabel kMinPlates{"min_plates", "fewest plates (total reflux)",
                                 "Fewest plates (total reflux)", "", 0};
constexpr FigureLabel kMinPlatesFraction{"min_plates_fraction", "fewest plates, fraction",
                                         "Fewest plates, fraction", "", 2};
constexpr FigureLabel kMinReflux{"min_reflux", "least reflux (100 plates)",
                                 "Least reflux (100 plates)", "", 3};
constexpr FigureLabel kPinchFrom{"pinch_plate_from", "pinch from plate", "Pinch from plate", "", 0};
constexpr FigureLabel kPinchTo{"pinch_plate_to", "pinch to plate", "Pinch to plate", "", 0};
constexpr FigureLabel kPinch{"pinch_strength", "pinch strength by weight",
                             "Pinch strength by weight", "%", 2};
constexpr FigureLabel kPinchVol{"pinch_strength_vol", "pinch strength", "Pinch strength", "% vol",
                                2};
constexpr FigureLabel kPinchMol{"pinch_strength_mol", "pinch strength by mole",
                                "Pinch strength by mole", "% mol", 2};

// Runs `answer`, giving its refusals the name `name` instead of the
// layer's own, each kept in its class.
template <class Answer>
auto Named(const std::string& name, Answer answer) {
    try {
        return answer();
    } catch (const OutOfReachError& e) {
        throw OutOfReachError(RenamedMessage(e.Message(), name));
    } catch (const StudyError& e) {
        throw StudyError(RenamedMessage(e.Message(), name));
    } catch (const BoilingError& e) {
        throw BoilingError(RenamedMessage(e.Message(), name));
    }
}

// The number of a temperature written with a C after it.
long double NumberBeforeC(const NamedText& reading, const NumberReader& read) {
    std::string number = reading.text.substr(0, reading.text.size() - 1);
    if (number.ends_with("°")) number.resize(number.size() - std::string("°").size());
    try {
        return read({number, reading.name});
    } catch (const SpiritError&) {
        throw SpiritError(reading.name + ": '" + reading.text +
                          "' is no temperature (a number and C, e.g. 78.4C)");
    }
}

// A reading as a mass fraction: a strength, or the liquid boiling
// (`boiler`) or the vapour condensing at a temperature.
long double FractionRead(const ReadingText& reading, bool boiler, const Conditions& at,
                         const NumberReader& read) {
    const NamedText& typed = reading.text;
    const std::optional<StrengthUnit> unit = StrengthUnitOf(reading.unit);
    if (unit && !IsTemperatureReading(typed.text))
        return MassFractionOf({read(typed), *unit}, typed.name);
    const long double shown = unit ? NumberBeforeC(typed, read) : read(typed);
    const long double celsius = at.thermometer ? at.thermometer->TrueCelsius(shown) : shown;
    return Named(typed.name, [&] {
        return boiler ? LiquidAtCelsius(celsius, at.hpa) : VapourAtCelsius(celsius, at.hpa);
    });
}

long double Positive(const NamedText& text, const NumberReader& read, const char* unit) {
    const long double value = read(text);
    if (!(value > 0)) throw SpiritError(text.name + ": must be more than 0" + unit);
    return value;
}

PlateCount CountOf(const PlatesTexts& texts, long double boiler, long double head,
                   const NumberReader& read) {
    // Refusals speak in the head's unit; of a thermometer, by volume, as the
    // spirit tools do.
    const StrengthUnit unit = StrengthUnitOf(texts.head.unit).value_or(StrengthUnit::Volume);
    if (!texts.power || !texts.reflux)
        return Named(texts.head.text.name,
                     [&] { return PlatesAtTotalReflux(boiler, head, 1, unit); });
    Positive(*texts.power, read, " W");
    if (!(read(*texts.reflux) >= 0)) throw SpiritError(texts.reflux->name + ": must be 0 or more");
    return Named(texts.head.text.name, [&] {
        return PlatesAtReflux(boiler, head, texts.power->text, texts.reflux->text, read.Settings(),
                              unit);
    });
}

// The HETP and the efficiency, each when asked for.
void AddPacking(ToolAnswer& answer, const PlatesTexts& texts, const PlateCount& count,
                const NumberReader& read) {
    const bool stage = count.platesFraction > 0;
    if (texts.height) {
        const long double metres = Positive(*texts.height, read, " m");
        answer.push_back({&kHetp,
                          stage ? std::optional(metres / count.platesFraction) : std::nullopt,
                          kBelowOnePlate});
    }
    if (texts.realPlates) {
        const long double trays = read(*texts.realPlates);
        if (!(trays >= 1) || trays != std::floor(trays))
            throw SpiritError(texts.realPlates->name + ": must be a whole number, 1 or more");
        answer.push_back({&kEfficiency,
                          stage ? std::optional(count.platesFraction / trays) : std::nullopt,
                          kBelowOnePlate});
    }
}

}  // namespace

bool IsTemperatureReading(const std::string& text) {
    return text.ends_with('C');
}

ToolAnswer PlatesAnswer(const PlatesTexts& texts, const NumberReader& read) {
    const Conditions at = ConditionsOf(texts.pressure, texts.thermometer, read);
    const long double boiler = FractionRead(texts.boiler, true, at, read);
    const long double head = FractionRead(texts.head, false, at, read);
    const PlateCount count = CountOf(texts, boiler, head, read);
    ToolAnswer answer{{&kPlates, count.plates},
                      {&kPlatesFraction, count.platesFraction},
                      {&kStages, count.StagesFraction()}};
    AddPacking(answer, texts, count, read);
    CheckFigures(answer);
    return answer;
}

ToolAnswer LimitsAnswer(const LimitsTexts& texts, const NumberReader& read) {
    const long double boiler =
        MassFractionOf({read(texts.strength), texts.unit}, texts.strength.name);
    const long double target = MassFractionOf({read(texts.target), texts.unit}, texts.target.name);
    Positive(texts.power, read, " W");
    const long double efficiency = read(texts.efficiency);
    if (!(efficiency >= 1 && efficiency <= 100))
        throw SpiritError(texts.efficiency.name + ": must be from 1 to 100 %");
    const SeparationLimits limits = Named(texts.target.name, [&] {
        return LimitsOf(boiler, target, texts.power.text, read.Settings(), texts.efficiency.text,
                        texts.unit);
    });
    ToolAnswer answer{{&kMinPlates, limits.fewestPlates.plates},
                      {&kMinPlatesFraction, limits.fewestPlates.platesFraction},
                      {&kMinReflux, ParseExtended(limits.leastReflux, read.Settings())},
                      {&kPinchFrom, limits.pinch.from},
                      {&kPinchTo, limits.pinch.to},
                      {&kPinch, limits.pinch.strength * 100},
                      {&kPinchVol, VolumeFromWeight(limits.pinch.strength * 100)}};
    // Strengths given by mole get the pinch by mole as well.
    if (texts.unit == StrengthUnit::Mole)
        answer.push_back({&kPinchMol, MoleFromWeight(limits.pinch.strength * 100)});
    CheckFigures(answer);
    return answer;
}

}  // namespace colmara
