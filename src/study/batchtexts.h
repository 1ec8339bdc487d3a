// The batch run's inputs as the texts typed, with the keys that setup files
// and settings keep them under (the companion tool's option names without
// "--"). Texts, not numbers, so a setup reopens exactly what was typed, a
// half-typed number included. The batch tab and the tool's options both
// start from the defaults here; nothing else writes them.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/numconv.h"
#include "study/strengthtext.h"
#include "study/strengthunit.h"

namespace colmara {

// The product strength a run stops below unless told otherwise: where hobby
// runs commonly end, in % by volume whatever the unit in force.
inline constexpr const char* kDefaultStopProductByVolume = "20";

// Default-constructed: the defaults with strengths by volume (see
// DefaultBatchTexts for another unit). An empty or "none" stop is no stop.
struct BatchTexts {
    std::string charge = "20000";
    std::string chargeUnit = "ml";  // "ml" (at 20 degC) or "g"
    std::string policy = "reflux";  // "reflux" or "strength"
    std::string targetStrength = "90";
    std::string maxReflux = "100";
    std::string startTemperature = "20";
    // The run's air pressure, hPa, or the altitude it is worked out from,
    // m; one of them at most. Neither: 1013.25 hPa.
    std::string pressure;
    std::string altitude;
    std::string heads = "3%";
    std::string heartsUntil = "80";
    std::string cuts;  // NAME:CONDITION; ... replacing heads, hearts and tails
    std::string stopBoiler;
    std::string stopProduct = kDefaultStopProductByVolume;
    std::string stopAmount;
    std::string stopAfter;
    std::string every = "10";
    bool operator==(const BatchTexts&) const = default;
};

// The defaults for strengths typed in `unit`: the default stop is 20 % by
// volume written in `unit` as the window's unit switch writes it
// (SwitchedStrengthText, with the decimal symbol of `settings`); the other
// defaults are the same texts in either unit.
BatchTexts DefaultBatchTexts(StrengthUnit unit, const FormatSettings& settings);

// How a unit switch rewrites `text`: the target, hearts until and the two
// strength stops by SwitchedBatchStrength, the own cuts by SwitchedCutsText;
// none (a null pointer) for a text that holds no strength.
StrengthRewrite BatchTextSwitchOf(std::string BatchTexts::*text);

// A batch strength typed in `from`, written in `to` as the study window's
// unit switch writes its strength (SwitchedStrengthText): the fewest
// decimals that keep the strength by weight within kSwitchTolerance. Only a
// text the batch run reads as a strength is rewritten; any other ("none",
// empty, "abc", 150) stays as typed.
std::string SwitchedBatchStrength(const std::string& text, StrengthUnit from, StrengthUnit to,
                                  const FormatSettings& settings);

// `cuts` with the number of every "<STRENGTH" condition rewritten by
// SwitchedBatchStrength; names, amounts, minutes, blanks and separators as
// typed.
std::string SwitchedCutsText(const std::string& cuts, StrengthUnit from, StrengthUnit to,
                             const FormatSettings& settings);

// `texts`, strengths typed in `from`, with every strength written in `to`.
BatchTexts SwitchedBatchTexts(const BatchTexts& texts, StrengthUnit from, StrengthUnit to,
                              const FormatSettings& settings);

// In the order the tab shows them.
struct BatchTextKey {
    const char* key;
    std::string BatchTexts::*text;
    const char* label;  // the tab's field, as its messages name it
};

inline constexpr auto kBatchTextKeys = std::to_array<BatchTextKey>({
    {"charge", &BatchTexts::charge, "Charge"},
    {"charge-unit", &BatchTexts::chargeUnit, "Charge unit"},
    {"start-temperature", &BatchTexts::startTemperature, "Start temperature"},
    {"pressure", &BatchTexts::pressure, "Air pressure"},
    {"altitude", &BatchTexts::altitude, "Altitude"},
    {"policy", &BatchTexts::policy, "Policy"},
    {"target-strength", &BatchTexts::targetStrength, "Target strength"},
    {"max-reflux", &BatchTexts::maxReflux, "Maximum reflux"},
    {"heads", &BatchTexts::heads, "Heads"},
    {"hearts-until", &BatchTexts::heartsUntil, "Hearts until"},
    {"cuts", &BatchTexts::cuts, "Own cuts"},
    {"stop-boiler", &BatchTexts::stopBoiler, "Stop at boiler strength"},
    {"stop-product", &BatchTexts::stopProduct, "Stop at product strength"},
    {"stop-amount", &BatchTexts::stopAmount, "Stop at amount collected"},
    {"stop-after", &BatchTexts::stopAfter, "Stop after minutes"},
    {"every", &BatchTexts::every, "Timeline interval"},
});

// The key of `text` ("hearts-until").
const char* BatchTextKeyOf(std::string BatchTexts::*text);

// How messages name a text, given its key (or an input's, "strength"): by
// the tab's label, by the tool's option, or as the caller says.
using BatchNaming = std::function<std::string(std::string_view key)>;
// "Hearts until"; an input's label for its key ("Strength").
std::string BatchLabel(std::string_view key);
// "--hearts-until"; "--cut" for the cuts.
std::string BatchOption(std::string_view key);

// True when a stop's text asks for no stop: empty, blanks, or "none".
bool NoStop(const std::string& text);

// The user's own cuts of `BatchTexts::cuts`: its "NAME:CONDITION" items,
// separated by ';', each trimmed; empty items are none.
std::vector<std::string> CutItems(const std::string& cuts);

}  // namespace colmara
