// The column model's boiling answers at the local air pressure. The model's
// correlations (`vapourstrength`, `temperature`) are for 1 atm; at another
// pressure each answer is the model's 1-atm answer plus the change that the
// published model (publishedvle.h) gives between 1 atm and that pressure.
// At 1013.25 hPa the change is exactly 0, so every answer there is the
// model's own, bit for bit, and the two never disagree.
//
// Strengths are mass fractions of ethanol (0 to 1); temperatures degC;
// pressures hPa, checked by CheckedPressure.
#pragma once

namespace colmara {

// A liquid: the temperature it boils at, and the vapour that rises from it.
long double LiquidBoilingCelsius(long double liquid, long double hpa);
long double VapourOverLiquid(long double liquid, long double hpa);

// A vapour: the temperature it condenses at, which a thermometer in it at
// the column's head reads.
long double VapourCondensingCelsius(long double vapour, long double hpa);

// The liquid that boils at `celsius`, from water (0) up to the azeotrope.
// Throws BoilingError "temperature: ..." above the boiling point of water
// at that pressure or below the azeotrope's, naming both.
long double LiquidAtCelsius(long double celsius, long double hpa);

// The vapour that condenses at `celsius`, from water's up to the
// azeotrope's; refused as LiquidAtCelsius refuses. Where the model's
// temperature jumps (its two branches meet at a vapour of 0.8, 0.27 K
// apart at 1 atm), a temperature inside the jump gives the vapour there.
long double VapourAtCelsius(long double celsius, long double hpa);

}  // namespace colmara
