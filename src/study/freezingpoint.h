// Where an ethanol-water mixture starts to freeze, from the published points
// of data/ethanol-water-freezing-point.csv (sources in the file and in
// docs/model.md). Below it the mixture is no longer a liquid, so a charge
// cannot start its heat-up there and a spirit cannot be measured there.
#pragma once

namespace colmara {

// The freezing point in degC of a mixture of ethanol mass fraction
// `massFraction` (0 to 1), interpolated linearly in the mass fraction
// between the published points; rows given only by volume are converted
// with the density formula at 20 degC. Outside 0..1 the nearest end's point.
long double FreezingPointCelsius(long double massFraction);

}  // namespace colmara
