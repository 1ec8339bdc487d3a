#include "model/passshortcut.h"

#include <cmath>

#include "model/properties.h"
#include "runtime/extended.h"

namespace colmara::detail {

// Why the answers hold. In a pass a plate's liquid is formed from the vapour
// v rising into it, its mass M = energy / heatofvaporization(v) and ethanol
// v M, less the product D (productamount) and its ethanol A
// (productalcohol): x = (v M - A) / (M - D), held between the boiler
// strength and the ceiling; the plate gives off v + E (y*(x) - v).
//
// 1. For v from kLeastVapour to y*(ceiling) (the azeotrope, above which no
//    equilibrium vapour lies): a plate whose equilibrium vapour is at least
//    v gives off a vapour from v to that one, never beyond it, also after
//    rounding, as y* - v is exact when v is over half of y*.
// 2. Over the same strengths the heat of vaporization of a stronger vapour
//    is never more than 0.04 % above that of a weaker one, so while the
//    vapours only rise, every vapour mass above a plate is at least
//    kMassShare of the plate's. With D below that share every liquid mass
//    M - D above is positive, and no statement there can fault: the flows
//    are finite and x is finite (a positive difference of two finite
//    numbers, against an ethanol of the same size).
// 3. The equilibrium curve lies above the diagonal from kLeastVapour to the
//    ceiling (by 0.0078 or more), so a liquid at least as strong as the
//    vapour rising into it, or held at the ceiling, has an equilibrium
//    vapour at least as strong as that vapour; with 1 the vapours never fall.
//
// The tests of these rules ask for their margin to be clear of the rounding
// of x (a few steps of 2^-64 of the flows) by far.
namespace {

// The weakest vapour the rules take: over half the azeotrope, see 1.
constexpr long double kLeastVapour = 0.5L;
// See 2.
constexpr long double kMassShare = 0.98L;
// A margin a rule needs, relative to the flows that form a liquid.
constexpr long double kRoom = 1e-15L;

// The common ground of both rules: a pass below ideal plates, a vapour in
// the range of 1, a boiler strength that neither holds a liquid from below
// nor lifts the ceiling, and a product that leaves every liquid mass above
// positive (2).
bool InRange(const Column& c, long double vapour) {
    if (c.efficiency == 1 || !(vapour >= kLeastVapour)) return false;
    if (!(vapour <= vapourstrength(kStrengthCeiling) && c.boilerstrength < kLeastVapour))
        return false;
    return c.productamount > 0 && c.vapourup * kMassShare > c.productamount;
}

// Whether `excess` is clear of the rounding of a liquid's strength.
bool Clear(const Column& c, long double excess) {
    return excess > kRoom * (c.vapourup + c.productamount + std::fabs(c.productalcohol));
}

}  // namespace

// The liquid stronger than the vapour rising into it: x - v = (D v - A) /
// (M - D), with M - D positive (2), is positive for every vapour from this
// one up when D v - A is. Then by 3 and 1 no vapour above falls below this
// one, which is above the guess, and by 1 none passes the azeotrope.
bool TopStaysAboveGuess(const Column& c, long double vapour) {
    if (!(vapour > c.lastguess) || !InRange(c, vapour)) return false;
    return Clear(c, c.productamount * vapour - c.productalcohol);
}

// The liquid at the ceiling: x - ceiling has the sign of v M - A - ceiling
// (M - D) = M (v - ceiling) - (A - ceiling D), which for every vapour from
// this one (at least the ceiling) up is at least the same with this vapour
// and kMassShare of its mass (2). Each plate above then gives off its vapour
// moved towards y*(ceiling), so by 1 the vapours stay from this one up.
bool CeilingHoldsAbove(const Column& c, long double vapour) {
    if (!(vapour >= kStrengthCeiling) || !InRange(c, vapour)) return false;
    const long double least = c.vapourup * kMassShare;
    return Clear(c, least * (vapour - kStrengthCeiling) -
                        (c.productalcohol - kStrengthCeiling * c.productamount));
}

// A vapour that repeats is a pinch: every plate above it, the top one too,
// repeats it, so the vapours stop there.
int SkipToTopPlate(Column& c, long double energy, long double& strengthin) {
    const long double ceilingvapour = vapourstrength(kStrengthCeiling);
    for (int i = c.platecounter + 1; i < c.plates; ++i) {
        const long double vapour = murphreevapour(strengthin, ceilingvapour, c.efficiency);
        if (SameBits(vapour, strengthin)) break;
        strengthin = vapour;
    }
    c.vapourup = energy / heatofvaporization(strengthin);
    c.alcoholup = strengthin * c.vapourup;
    return c.plates - 1;
}

}  // namespace colmara::detail
