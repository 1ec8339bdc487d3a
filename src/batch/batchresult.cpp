#include "batch/batchresult.h"

#include "study/strengthunit.h"

namespace colmara {

std::optional<long double> Collected::Strength() const {
    if (!(mass > 0)) return std::nullopt;
    return ethanol / mass * 100;
}

std::optional<long double> Collected::StrengthVolume() const {
    return StrengthIn(StrengthUnit::Volume, Strength());
}

long double Collected::Volume() const {
    if (!(mass > 0)) return 0;
    // kg/m3 is g/l: grams over it are litres.
    return mass / MixtureDensity(ethanol / mass, 20) * 1000;
}

}  // namespace colmara
