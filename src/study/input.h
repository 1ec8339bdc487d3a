// The inputs of a calculation, listed once. Every key (as CSV, JSON, setup
// files, settings and command-line options spell it), every label and every
// whole-number rule comes from the table here, so a new input is one row of
// it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "report/calculate.h"

namespace colmara {

// In the order the calculation reads them and a sweep's grid nests them.
enum class Input { Power, Strength, Plates, Reflux, Efficiency };
inline constexpr std::array<Input, 5> kInputs{Input::Power, Input::Strength, Input::Plates,
                                              Input::Reflux, Input::Efficiency};
// The main window's four, which the companion tool's plain calculation takes.
inline constexpr std::array<Input, 4> kWindowInputs{Input::Power, Input::Strength, Input::Plates,
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
    // The text at which rows and setup files leave the input out, so that a
    // study that never set it writes what it wrote before the input existed
    // (and a setup without it reads as this); null for an input always
    // written.
    const char* quietText;
};

const InputTraits& TraitsOf(Input input);

// The input whose key is `key`, or none.
std::optional<Input> InputKeyed(std::string_view key);

// Whether a study given `texts` (field texts or sweep ranges) writes
// `input` in its rows and setup files: always, unless the input has a quiet
// text and `texts` holds exactly that.
bool Written(Input input, const InputTexts& texts);

// The text of `input` among `texts`.
inline const std::string& TextOf(const InputTexts& texts, Input input) {
    return texts.*TraitsOf(input).text;
}
inline std::string& TextOf(InputTexts& texts, Input input) {
    return texts.*TraitsOf(input).text;
}

}  // namespace colmara
