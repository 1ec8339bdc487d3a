// How long the still takes to bring a charge to the boil: the charge's heat
// from its start temperature to the model's boiling temperature of its
// strength, at the still's power. The batch run and the still's sizing both
// ask here, so their heat-up figures are the same number.
#pragma once

#include <cstdint>

#include "batch/batchrequest.h"

namespace colmara {

// Grams of a charge of `fraction` (mass fraction) given in `unit`;
// millilitres are at 20 degC.
long double ChargeGrams(double amount, ChargeUnit unit, long double fraction);

// The model's boiling temperature of a liquid of `fraction` (mass
// fraction), where a heat-up ends: a charge must start below it.
long double BoilingCelsius(long double fraction);

// Minutes to warm `grams` of `fraction` from `startCelsius` to its boiling
// temperature with `watts`; 0 when it is already that warm. An estimate: see
// docs/model.md.
long double HeatUpMinutes(long double grams, long double fraction, long double startCelsius,
                          std::int32_t watts);

}  // namespace colmara
