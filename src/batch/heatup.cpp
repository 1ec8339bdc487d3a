#include "batch/heatup.h"

#include "batch/heatcapacity.h"
#include "model/properties.h"
#include "study/strengthunit.h"

namespace colmara {

long double ChargeGrams(double amount, ChargeUnit unit, long double fraction) {
    if (unit == ChargeUnit::Grams) return amount;
    return amount * MixtureDensity(fraction, 20) / 1000;
}

long double BoilingCelsius(long double fraction) {
    return temperature(vapourstrength(fraction));
}

long double HeatUpMinutes(long double grams, long double fraction, long double startCelsius,
                          std::int32_t watts) {
    const long double joules =
        HeatUpEnergy(grams, fraction * 100, startCelsius, BoilingCelsius(fraction));
    return joules / watts / 60;
}

}  // namespace colmara
