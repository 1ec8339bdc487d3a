// The four inputs of a calculation, listed once. Every key (as CSV, JSON,
// setup files, settings and command-line options spell it), every label and
// every whole-number rule comes from the table here, so a new input is one
// row of it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "report/calculate.h"

namespace colmara {

// In the order the calculation reads them and a sweep's grid nests them.
enum class Input { Power, Strength, Plates, Reflux };
inline constexpr std::array<Input, 4> kInputs{Input::Power, Input::Strength, Input::Plates,
                                              Input::Reflux};

struct InputTraits {
    const char* key;    // "power": files, settings, options and messages
    const char* label;  // "Power": what a window calls it
    bool whole;         // read as an integer, so written in plain digits
    const char* unit;   // "W"; empty for none. A strength's unit is StrengthUnit's
    // The key of the text as given by volume beside the one the calculation
    // reads ("strength_vol"); null for an input that has no unit to choose.
    const char* volumeKey;
    std::string InputTexts::*text;
};

const InputTraits& TraitsOf(Input input);

// The input whose key is `key`, or none.
std::optional<Input> InputKeyed(std::string_view key);

// The text of `input` among `texts`.
inline const std::string& TextOf(const InputTexts& texts, Input input) {
    return texts.*TraitsOf(input).text;
}
inline std::string& TextOf(InputTexts& texts, Input input) {
    return texts.*TraitsOf(input).text;
}

}  // namespace colmara
