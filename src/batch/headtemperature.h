// The temperature at the column's head: where the vapour leaving the top
// plate condenses, at the run's air pressure (boiling/boilingpoint.h). That
// vapour is what the condenser turns into the product, so its strength is
// the product's. At 1013.25 hPa it is the model's own `temperature` of the
// product, bit for bit.
#pragma once

namespace colmara {

// degC, for a product of mass fraction `productFraction` at `hpa` (which
// must lie in the range CheckedPressure allows).
long double HeadCelsius(long double productFraction, long double hpa);

// The product mass fraction below which the head reads above `celsius` at
// `hpa`. The head temperature falls as the product strengthens, so the head
// rising above a temperature is the product falling below this mark, and a
// run finds it as it finds a product strength's. Throws StudyError "no
// vapour condenses at ..." with the temperatures the head can read, for a
// temperature above water's condensing point or below the azeotrope's.
long double HeadMark(double celsius, long double hpa);

}  // namespace colmara
