// Where the hydrometer correction behaves unlike the rule of thumb ("read
// cold, the spirit is stronger than it shows"), as docs/model.md states it.
#include <gtest/gtest.h>

#include "spirit/hydrometer.h"
#include "spirit/spiriterror.h"
#include "study/freezingpoint.h"

namespace colmara {
namespace {

// The corrected strength by volume, or a negative number when the tool
// refuses the reading.
long double Corrected(long double reading, long double celsius) {
    try {
        return CorrectReading({reading, StrengthUnit::Volume}, celsius).strengthVol;
    } catch (const SpiritError&) {
        return -1;
    }
}

// Below 20 degC a reading is lowered only below about -7.5 degC and under
// 15 % vol, and only in a mixture below its freezing point.
TEST(HydrometerRegions, AColdReadingIsLoweredOnlyInAFrozenWeakSpirit) {
    for (int halfDegree = -40; halfDegree < 40; ++halfDegree) {
        const long double celsius = halfDegree / 2.0L;
        for (int halfPoint = 1; halfPoint <= 80; ++halfPoint) {
            const long double reading = halfPoint / 2.0L;
            const long double corrected = Corrected(reading, celsius);
            if (corrected < 0 || corrected >= reading) continue;
            EXPECT_LE(celsius, -7.5L) << reading << " % vol read at " << celsius;
            EXPECT_LE(reading, 15) << reading << " % vol read at " << celsius;
            const TrueStrength truth = CorrectReading({reading, StrengthUnit::Volume}, celsius);
            EXPECT_LT(celsius, FreezingPointCelsius(truth.strengthWeight / 100))
                << reading << " % vol read at " << celsius;
        }
    }
}

// For weak spirits the raise stops growing with coldness near the density's
// greatest value: the largest correction is at the temperature given.
TEST(HydrometerRegions, TheRaiseOfAWeakSpiritPeaksAboveFreezing) {
    const struct {
        long double reading;
        long double peakCelsius;
    } cases[] = {
        {5, 4.5L},   // 6.18 % vol
        {10, 1.5L},  // 11.97 % vol
    };
    for (const auto& c : cases) {
        long double best = 0;
        long double at = 0;
        for (int halfDegree = -40; halfDegree < 40; ++halfDegree) {
            const long double corrected = Corrected(c.reading, halfDegree / 2.0L);
            if (corrected > best) {
                best = corrected;
                at = halfDegree / 2.0L;
            }
        }
        EXPECT_EQ(at, c.peakCelsius) << c.reading << " % vol, " << static_cast<double>(best);
    }
}

}  // namespace
}  // namespace colmara
