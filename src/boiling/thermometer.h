// A thermometer put right before its reading meets the model: what it reads
// less its offset. The offset is given in K, or found from what the
// thermometer reads in boiling water at a known pressure, against the
// model's own boiling point of water there, so a reading put right lies on
// the model's scale (at 1 atm the model boils water at 100.04 degC).
#pragma once

namespace colmara {

struct Thermometer {
    long double offset = 0;  // K: what it reads less the true temperature
    long double TrueCelsius(long double reading) const { return reading - offset; }
};

// The thermometer that reads `reading` in boiling water at `hpa`.
Thermometer CalibratedInBoilingWater(long double reading, long double hpa);

}  // namespace colmara
