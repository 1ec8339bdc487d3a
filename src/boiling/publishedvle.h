// A published model of ethanol-water boiling at any pressure: the Antoine
// vapour pressures of both liquids and Van Laar's activity coefficients,
// with the constants of data/ethanol-water-pressure.csv (Perry's Chemical
// Engineers' Handbook, section 13). It serves only to move the column
// model's 1-atm correlations to another pressure: at 1 atm it puts the
// azeotrope near 0.92 (mole fraction) where measurements put it at 0.89 to
// 0.90, so its own absolute values are not used (see docs/model.md).
//
// Fractions here are mole fractions of ethanol; pressures mmHg, the unit of
// the Antoine constants.
#pragma once

namespace colmara {

// mmHg of `hpa` (760 mmHg are 1013.25 hPa).
long double MmHgOfHpa(long double hpa);

// Mole fraction of ethanol of a mass fraction and back, with the IUPAC
// molar masses of the data file.
long double MoleFraction(long double massFraction);
long double MassFraction(long double moleFraction);

struct BubblePoint {
    long double celsius = 0;  // where the liquid starts to boil
    long double vapour = 0;   // mole fraction of the first vapour
};

// The liquid of ethanol mole fraction `liquid` (0 to 1) at `mmHg`.
BubblePoint PublishedBubble(long double liquid, long double mmHg);

// Where a vapour of ethanol mole fraction `vapour` (0 to 1) starts to
// condense at `mmHg`: the bubble point of the liquid in equilibrium with it,
// to a hundred-billionth of a kelvin. `liquidGuess`, when given and inside
// (0, 1), is where the solve for that liquid starts (a nearby answer halves
// the work; from any start it ends); it receives the liquid found.
// A vapour below 1e-100 condenses as water does and finds no liquid.
long double PublishedDewCelsius(long double vapour, long double mmHg,
                                long double* liquidGuess = nullptr);

}  // namespace colmara
