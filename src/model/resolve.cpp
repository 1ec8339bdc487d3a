#include <array>
#include <cmath>

#include "model/column.h"
#include "model/properties.h"
#include "model/statement.h"

namespace colmara {

namespace {

using detail::FaultRaised;
using detail::Stored;

constexpr int kSteps = 100;

// What the bisection of one plate ends with.
struct PlateResult {
    long double trialstrength;
    long double trialvapour;  // from the strength tried in the last step
};

// The vapour strength and vapour mass of each step of the previous plate's
// search. Every search starts at 0.5 and halves its step, so plates of similar
// strength try the same strengths for their first steps; those steps reuse the
// values instead of evaluating the properties again.
struct StepMemo {
    long double trialstrength = 0;
    long double vapour = 0;
    long double trialvapour = 0;
    bool valid = false;
};
using PathMemo = std::array<StepMemo, kSteps>;

// Bisects the liquid strength of one plate over 0..1, starting at 0.5, until
// the ethanol balance of the section from this plate up to the condenser
// closes: too much ethanol rising lowers the trial strength, too little
// raises it. A step that leaves the trial strength unchanged (the step
// 1/2^(j+1) is below its resolution, or the balance is exactly 0 or NaN) is
// repeated by every later step with an even smaller step, so the search ends
// there with the values all 100 steps would give.
template <bool kChecked>
PlateResult BisectPlate(long double energy, long double productamount, long double strengthabove,
                        long double topstrength, PathMemo* memo) {
    long double trialstrength = 0.5L;
    long double trialvapour = 0;
    for (int j = 1; j <= kSteps; ++j) {
        StepMemo* entry = memo != nullptr ? &(*memo)[j - 1] : nullptr;
        long double vapour;
        if (entry != nullptr && entry->valid && SameBits(entry->trialstrength, trialstrength)) {
            vapour = entry->vapour;
            trialvapour = entry->trialvapour;
        } else {
            vapour = vapourstrength(trialstrength);
            trialvapour = Stored<kChecked>(energy / heatofvaporization(vapour));
            if (entry != nullptr) *entry = {trialstrength, vapour, trialvapour, true};
        }
        // Ethanol up with the vapour, less ethanol down with the liquid from
        // above, less ethanol taken off as product.
        const long double alcoholbalance =
            Stored<kChecked>(vapour * trialvapour - (trialvapour - productamount) * strengthabove -
                             productamount * topstrength);
        const long double step = 1 / Power(2, j + 1);
        long double next = trialstrength;
        if (alcoholbalance > 0) next = Stored<kChecked>(trialstrength - step);
        if (alcoholbalance < 0) next = Stored<kChecked>(trialstrength + step);
        if (SameBits(next, trialstrength)) break;
        trialstrength = next;
    }
    return {trialstrength, trialvapour};
}

// What the bisection of the vapour under one plate ends with.
struct VapourBelow {
    long double vapour;  // the strength of the vapour rising into the plate
    long double liquid;  // the strength of the liquid the balance gives it
};

// A step of the search below: the vapour strength tried, and what it gives.
struct BelowStep {
    long double vapour = 0;
    long double vapourmass = 0;
    long double liquid = 0;
    long double equilibrium = 0;  // the vapour in equilibrium with `liquid`
    bool valid = false;
};
using BelowMemo = std::array<BelowStep, kSteps>;

// The liquid on a plate under which vapour of strength `below` rises: the
// ethanol balance between the plate and the stage beneath it, as the final
// pass forms it (a liquid mass that is not above 0 counts as 1).
template <bool kChecked>
BelowStep TryBelow(long double energy, long double productamount, long double topstrength,
                   long double below) {
    BelowStep step;
    step.vapour = below;
    step.vapourmass = Stored<kChecked>(energy / heatofvaporization(below));
    long double liquidmass = Stored<kChecked>(step.vapourmass - productamount);
    if (!(liquidmass > 0)) liquidmass = 1;
    step.liquid =
        Stored<kChecked>((below * step.vapourmass - productamount * topstrength) / liquidmass);
    step.equilibrium = vapourstrength(step.liquid);
    step.valid = true;
    return step;
}

// Below an efficiency of 1 a plate's vapour depends on the vapour rising
// into it as well as on its liquid, so the search runs over that vapour
// instead: from 0.5, halving its step as BisectPlate does, until the vapour
// the plate gives off, moved from the one tried towards the equilibrium of
// the liquid the balance gives it, is `leaving`: too strong lowers the
// vapour tried, too weak raises it. Every search tries the same vapours
// first, so those steps reuse the values of the previous plate's search.
template <bool kChecked>
VapourBelow BisectVapourBelow(long double energy, long double productamount,
                              long double topstrength, long double efficiency, long double leaving,
                              BelowMemo* memo) {
    long double trial = 0.5L;
    long double liquid = 0;
    for (int j = 1; j <= kSteps; ++j) {
        BelowStep* entry = memo != nullptr ? &(*memo)[j - 1] : nullptr;
        BelowStep tried;
        if (entry != nullptr && entry->valid && SameBits(entry->vapour, trial)) {
            tried = *entry;
        } else {
            tried = TryBelow<kChecked>(energy, productamount, topstrength, trial);
            if (entry != nullptr) *entry = tried;
        }
        liquid = tried.liquid;
        const long double excess =
            Stored<kChecked>(murphreevapour(trial, tried.equilibrium, efficiency) - leaving);
        const long double step = 1 / Power(2, j + 1);
        long double next = trial;
        if (excess > 0) next = Stored<kChecked>(trial - step);
        if (excess < 0) next = Stored<kChecked>(trial + step);
        if (SameBits(next, trial)) break;
        trial = next;
    }
    return {trial, liquid};
}

}  // namespace

void Column::ResolveTopDown() {
    if (plates < 1) return;
    RequirePlateCount();
    ClearFloatingPointFlags();
    if (efficiency != 1) return ResolveBelowIdeal();
    const long double energy = Energy();

    // The reflux into the top plate has the product strength.
    long double strengthabove = topstrength;
    PathMemo memo{};
    for (int n = plates; n >= 1; --n) {
        // Unchecked first; a plate whose flags show a fault is bisected again
        // with a check after every statement, which throws at the faulting one.
        PlateResult plate =
            BisectPlate<false>(energy, productamount, strengthabove, topstrength, &memo);
        if (FaultRaised()) {
            ClearFloatingPointFlags();
            plate = BisectPlate<true>(energy, productamount, strengthabove, topstrength, nullptr);
        }
        const bool pinch = SameBits(plate.trialstrength, strengthabove);
        strengthabove = plate.trialstrength;
        const long double vapour = vapourstrength(plate.trialstrength);
        refluxtable[n] = Checked(plate.trialvapour - productamount);
        vapourtable[n] = Checked(vapour);
        liquidtable[n] = plate.trialstrength;
        temperaturetable[n] = Checked(temperature(vapour));
        if (pinch) {
            // The plate has the strength of the liquid it receives, so every
            // plate below is solved the same way.
            const PlateEntries pinched = Plate(n);
            for (int below = n - 1; below >= 1; --below) SetPlate(below, pinched);
            return;
        }
    }
}

void Column::ResolveBelowIdeal() {
    RequireEfficiency();
    const long double energy = Energy();

    // The top plate gives off the product's strength: the condenser takes
    // all of its vapour.
    long double leaving = topstrength;
    BelowMemo memo{};
    for (int n = plates; n >= 1; --n) {
        VapourBelow plate = BisectVapourBelow<false>(energy, productamount, topstrength, efficiency,
                                                     leaving, &memo);
        if (FaultRaised()) {
            ClearFloatingPointFlags();
            plate = BisectVapourBelow<true>(energy, productamount, topstrength, efficiency, leaving,
                                            nullptr);
        }
        const long double vapourmass = Checked(energy / heatofvaporization(leaving));
        refluxtable[n] = Checked(vapourmass - productamount);
        vapourtable[n] = Checked(leaving);
        liquidtable[n] = plate.liquid;
        temperaturetable[n] = Checked(temperature(leaving));
        if (SameBits(plate.vapour, leaving)) {
            // The plate passes up what it receives, so every plate below is
            // solved the same way.
            const PlateEntries pinched = Plate(n);
            for (int below = n - 1; below >= 1; --below) SetPlate(below, pinched);
            return;
        }
        leaving = plate.vapour;
    }
}

}  // namespace colmara
