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

}  // namespace

void Column::ResolveTopDown() {
    if (plates < 1) return;
    RequirePlateCount();
    ClearFloatingPointFlags();
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

}  // namespace colmara
