#include "study/input.h"

namespace colmara {

namespace {

constexpr std::array<InputTraits, kInputs.size()> kTraits{{
    {"power", "Power", true, "W", nullptr, &InputTexts::power, nullptr},
    {"strength", "Boiler strength", false, "", "strength_vol", &InputTexts::strength, nullptr},
    {"plates", "Plates", true, "", nullptr, &InputTexts::plates, nullptr},
    {"reflux", "Reflux ratio", false, "", nullptr, &InputTexts::reflux, nullptr},
    {"efficiency", "Plate efficiency", false, "%", nullptr, &InputTexts::efficiency, "100"},
}};

}  // namespace

const InputTraits& TraitsOf(Input input) {
    return kTraits[static_cast<std::size_t>(input)];
}

bool Written(Input input, const InputTexts& texts) {
    const char* quiet = TraitsOf(input).quietText;
    return quiet == nullptr || TextOf(texts, input) != quiet;
}

std::optional<Input> InputKeyed(std::string_view key) {
    for (Input input : kInputs)
        if (key == TraitsOf(input).key) return input;
    return std::nullopt;
}

}  // namespace colmara
