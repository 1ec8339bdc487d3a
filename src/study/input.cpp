#include "study/input.h"

namespace colmara {

namespace {

constexpr std::array<InputTraits, 4> kTraits{{
    {"power", "Power", true, "W", nullptr, &InputTexts::power},
    {"strength", "Boiler strength", false, "", "strength_vol", &InputTexts::strength},
    {"plates", "Plates", true, "", nullptr, &InputTexts::plates},
    {"reflux", "Reflux ratio", false, "", nullptr, &InputTexts::reflux},
}};

}  // namespace

const InputTraits& TraitsOf(Input input) {
    return kTraits[static_cast<std::size_t>(input)];
}

std::optional<Input> InputKeyed(std::string_view key) {
    for (Input input : kInputs)
        if (key == TraitsOf(input).key) return input;
    return std::nullopt;
}

}  // namespace colmara
