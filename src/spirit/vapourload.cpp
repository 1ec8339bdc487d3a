#include "spirit/vapourload.h"

#include <cmath>
#include <numbers>

namespace colmara {

long double VapourDensity(long double massFraction, long double celsius) {
    const long double y = massFraction;
    const long double molesPerGram = y / kEthanolMolarMass + (1 - y) / kWaterMolarMass;
    const long double kgPerMol = 1 / molesPerGram / 1000;
    return kAtmosphere * kgPerMol / (kGasConstant * (celsius + 273.15L));
}

VapourLoad LoadOf(long double gramsPerHour, long double massFraction, long double celsius,
                  long double boreMm) {
    VapourLoad load;
    load.density = VapourDensity(massFraction, celsius);
    const long double radius = boreMm / 2000;
    const long double area = std::numbers::pi_v<long double> * radius * radius;
    const long double cubicMetresPerSecond = gramsPerHour / 1000 / 3600 / load.density;
    load.speed = cubicMetresPerSecond / area;
    load.fFactor = load.speed * std::sqrt(load.density);
    return load;
}

}  // namespace colmara
