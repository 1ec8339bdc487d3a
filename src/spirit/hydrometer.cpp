#include "spirit/hydrometer.h"

namespace colmara {

TrueStrength CorrectReading(const Strength& reading, long double celsius) {
    RequireTemperature(celsius, "temperature");
    const long double shown = MassFractionOf(reading, "reading");
    TrueStrength result;
    if (celsius == 20) {
        // No correction: the reading is the strength, to the bit.
        result.strengthWeight = shown * 100;
    } else {
        const long double density =
            MixtureDensity(shown, 20) / (1 + kGlassExpansion * (celsius - 20));
        result.strengthWeight = MassFractionOfDensity(density, celsius, "reading") * 100;
    }
    RequireLiquid(result.strengthWeight / 100, celsius, "temperature");
    result.strengthVol = reading.unit == StrengthUnit::Volume && celsius == 20
                             ? reading.percent
                             : VolumeFromWeight(result.strengthWeight);
    return result;
}

}  // namespace colmara
