// The study window's batch inputs as the texts typed, with the keys that
// setup files and settings keep them under (the companion tool's option
// names without "--"). Texts, not numbers, so a setup reopens exactly what
// was typed, a half-typed number included.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace colmara {

struct BatchTexts {
    std::string charge = "20000";
    std::string chargeUnit = "ml";  // "ml" (at 20 degC) or "g"
    std::string policy = "reflux";  // "reflux" or "strength"
    std::string targetStrength = "90";
    std::string maxReflux = "100";
    std::string startTemperature = "20";
    std::string heads = "3%";
    std::string heartsUntil = "80";
    std::string cuts;  // NAME:CONDITION; ... replacing heads, hearts and tails
    std::string stopBoiler;
    std::string stopProduct;
    std::string stopAmount;
    std::string stopAfter;
    std::string every = "10";
    bool operator==(const BatchTexts&) const = default;
};

// In the order the tab shows them.
struct BatchTextKey {
    const char* key;
    std::string BatchTexts::*text;
};

inline constexpr auto kBatchTextKeys = std::to_array<BatchTextKey>({
    {"charge", &BatchTexts::charge},
    {"charge-unit", &BatchTexts::chargeUnit},
    {"start-temperature", &BatchTexts::startTemperature},
    {"policy", &BatchTexts::policy},
    {"target-strength", &BatchTexts::targetStrength},
    {"max-reflux", &BatchTexts::maxReflux},
    {"heads", &BatchTexts::heads},
    {"hearts-until", &BatchTexts::heartsUntil},
    {"cuts", &BatchTexts::cuts},
    {"stop-boiler", &BatchTexts::stopBoiler},
    {"stop-product", &BatchTexts::stopProduct},
    {"stop-amount", &BatchTexts::stopAmount},
    {"stop-after", &BatchTexts::stopAfter},
    {"every", &BatchTexts::every},
});

// The user's own cuts of `BatchTexts::cuts`: its "NAME:CONDITION" items,
// separated by ';', each trimmed; empty items are none.
std::vector<std::string> CutItems(const std::string& cuts);

}  // namespace colmara
