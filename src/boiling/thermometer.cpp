#include "boiling/thermometer.h"

#include "boiling/boilingpoint.h"

namespace colmara {

Thermometer CalibratedInBoilingWater(long double reading, long double hpa) {
    return {reading - LiquidBoilingCelsius(0, hpa)};
}

}  // namespace colmara
