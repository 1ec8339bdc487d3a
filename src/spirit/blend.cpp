#include "spirit/blend.h"

#include <string>

#include "spirit/spiriterror.h"

namespace colmara {

Blend BlendParts(const std::vector<BlendPart>& parts) {
    if (parts.empty()) throw SpiritError("parts: give at least one part");
    long double grams = 0;
    long double ethanolGrams = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const BlendPart& part = parts[i];
        const std::string name = "part " + std::to_string(i + 1);
        RequireAmount(part.millilitres, name + " volume");
        RequireTemperature(part.celsius, name + " temperature");
        const long double p = MassFractionOf(part.strength, name + " strength");
        RequireLiquid(p, part.celsius, name + " temperature");
        const long double partGrams = part.millilitres * GramsPerMl(p, part.celsius);
        grams += partGrams;
        ethanolGrams += partGrams * p;
    }
    // A sum of fractions of the total can round a hair past the pure spirit.
    long double p = ethanolGrams / grams;
    if (p > 1) p = 1;
    Blend blend;
    blend.volumeMl = grams / GramsPerMl(p, 20);
    blend.strengthWeight = p * 100;
    blend.strengthVol = VolumeFromWeight(blend.strengthWeight);
    return blend;
}

}  // namespace colmara
