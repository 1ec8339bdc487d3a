// The heat a charge takes to reach its boiling point: the specific heat of
// liquid ethanol-water mixtures from the published table in
// data/ethanol-water-heat-capacity.csv, interpolated linearly in strength and
// in temperature. Outside the table's temperatures the nearest column holds
// (the table stops at 41 degC, well short of boiling), so the heat-up time is
// an estimate; docs/model.md gives its uncertainty.
#pragma once

namespace colmara {

// J/(g K) at `percentByWeight` (0..100) and `celsius`.
long double HeatCapacity(long double percentByWeight, long double celsius);

// Joules to warm `grams` of liquid of `percentByWeight` from `fromCelsius` to
// `toCelsius`; 0 when it is already as warm.
long double HeatUpEnergy(long double grams, long double percentByWeight, long double fromCelsius,
                         long double toCelsius);

}  // namespace colmara
