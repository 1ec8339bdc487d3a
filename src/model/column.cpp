#include "model/column.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "model/passshortcut.h"
#include "model/properties.h"
#include "model/statement.h"
#include "runtime/exceptions.h"

namespace colmara {

namespace {

using detail::CeilingHoldsAbove;
using detail::FaultRaised;
using detail::kStrengthCeiling;
using detail::SkipToTopPlate;
using detail::Stored;
using detail::TopStaysAboveGuess;

constexpr int kPasses = 1000;
constexpr long double kGuessSpan = 0.95L;
// The final pass may miss the guess by this much at the top plate.
constexpr long double kTopTolerance = 0.0005L;

// Everything a pass writes, saved so that a pass whose flags show a fault can
// be replayed from its start with a check after every statement.
struct PassState {
    long double topstrength, lastguess, productamount, productalcohol;
    long double vapourup, alcoholup, liquiddown, alcoholdown, platestrength;
    std::int32_t passcounter, platecounter;

    static PassState Of(const Column& c) {
        return {c.topstrength,   c.lastguess,   c.productamount, c.productalcohol,
                c.vapourup,      c.alcoholup,   c.liquiddown,    c.alcoholdown,
                c.platestrength, c.passcounter, c.platecounter};
    }
    void RestoreTo(Column& c) const {
        c.topstrength = topstrength;
        c.lastguess = lastguess;
        c.productamount = productamount;
        c.productalcohol = productalcohol;
        c.vapourup = vapourup;
        c.alcoholup = alcoholup;
        c.liquiddown = liquiddown;
        c.alcoholdown = alcoholdown;
        c.platestrength = platestrength;
        c.passcounter = passcounter;
        c.platecounter = platecounter;
    }
    // The guess and the product figures are all a pass reads from the one
    // before it (besides constants), so a pass that leaves them as they were
    // is repeated exactly by every later pass.
    bool SameGuessAs(const Column& c) const {
        return SameBits(topstrength, c.topstrength) && SameBits(lastguess, c.lastguess) &&
               SameBits(productamount, c.productamount) &&
               SameBits(productalcohol, c.productalcohol);
    }
};

// Product taken off at the condenser for the current guess.
template <bool kChecked>
void ComputeProduct(Column& c, long double energy) {
    c.productamount = Stored<kChecked>(energy / heatofvaporization(c.topstrength) / c.refluxfactor);
    c.productalcohol = Stored<kChecked>(c.productamount * c.topstrength);
}

// The bisection passes and the final pass march up the plates alike; they
// differ only in how a plate's liquid strength is formed and in that the
// final pass fills the tables.
enum class March { kPass, kFinal };

// A pass: an empty plate (no liquid leaves it) has strength 0, and the
// strength is held between the boiler's and the ceiling.
template <bool kChecked>
void PassPlateStrength(Column& c) {
    c.liquiddown = Stored<kChecked>(c.vapourup - c.productamount);
    c.alcoholdown = Stored<kChecked>(c.alcoholup - c.productalcohol);
    if (!(c.liquiddown > 0)) {
        c.alcoholdown = 0;
        c.liquiddown = 1;
    }
    c.platestrength = Stored<kChecked>(c.alcoholdown / c.liquiddown);
    if (c.platestrength >= kStrengthCeiling) c.platestrength = kStrengthCeiling;
    if (c.platestrength < c.boilerstrength) c.platestrength = c.boilerstrength;
}

// The final pass: only the liquid mass is kept from 0, alcoholdown is not
// reset and no limit applies, so upper plates can show negative strengths.
void FinalPlateStrength(Column& c) {
    c.liquiddown = Checked(c.vapourup - c.productamount);
    if (!(c.liquiddown > 0)) c.liquiddown = 1;
    c.alcoholdown = Checked(c.alcoholup - c.productalcohol);
    c.platestrength = Checked(c.alcoholdown / c.liquiddown);
}

// Stores are in statement order, so a fault keeps the entries before it.
void StorePlate(Column& c, int plate, long double vapour) {
    c.refluxtable[plate] = c.liquiddown;
    c.vapourtable[plate] = Checked(vapour);
    c.liquidtable[plate] = c.platestrength;
    c.temperaturetable[plate] = Checked(temperature(vapour));
}

// The strength of the vapour leaving a plate whose liquid has the plate
// strength and into which vapour of strength `vapourin` rises. An ideal
// plate gives the equilibrium vapour itself; a plate of lower efficiency
// moves the vapour only that share of the way towards it.
template <bool kChecked>
long double PlateVapour(const Column& c, long double vapourin) {
    const long double equilibrium = vapourstrength(c.platestrength);
    // An ideal plate stores its vapour unchecked, as it always has.
    if (c.efficiency == 1) return equilibrium;
    return Stored<kChecked>(murphreevapour(vapourin, equilibrium, c.efficiency));
}

// Marches from the boiler up through every plate with the current product
// figures and returns the strength of the vapour leaving the top stage (the
// boiler's own, `boilervapour`, for a pot still). A plate that passes up
// exactly what it received is a pinch: every plate above repeats it bit for
// bit, so the march stops there (the final pass copies the pinched plate's
// entries upwards). Below an efficiency of 1 a plate's vapour depends on the
// strength entering it too, which must then repeat as well, and the vapour
// then creeps towards its pinch over many plates: an unchecked pass stops
// where its top vapour is sure to be above the guess, and forms the vapours
// of plates sure to hold their liquid at the ceiling without their flows
// (see passshortcut.h). A pass that stops early leaves the flows and liquid
// of the plate it stopped at; the next march writes all of them at its first
// plate before anything reads them, and that plate cannot fault before it
// has (the boiler's flows and the product are finite, and a positive liquid
// mass is not so far below its ethanol that their ratio overflows).
// Where a march stops, and what a pass decides from it, depends only on the
// plates up to there, never on how many lie above (Column::passplates relies
// on it): a pass stopped sure of its top is sure of it for any height above.
template <March kMarch, bool kChecked>
long double MarchUp(Column& c, long double energy, long double boilervapour) {
    c.vapourup = c.boilervapour;
    c.alcoholup = c.boileralcohol;
    long double strengthin = boilervapour;
    for (int i = 1; i <= c.plates; ++i) {
        c.platecounter = i;
        c.platesmarched = i;
        const long double vapourin = c.vapourup;
        const long double alcoholin = c.alcoholup;
        if constexpr (kMarch == March::kPass) {
            PassPlateStrength<kChecked>(c);
        } else {
            FinalPlateStrength(c);
        }
        const long double vapour = PlateVapour<kChecked>(c, strengthin);
        if constexpr (kMarch == March::kFinal) StorePlate(c, i, vapour);
        c.vapourup = Stored<kChecked>(energy / heatofvaporization(vapour));
        c.alcoholup = Stored<kChecked>(vapour * c.vapourup);
        const bool repeats = c.efficiency == 1 || SameBits(vapour, strengthin);
        strengthin = vapour;
        if (repeats && SameBits(c.vapourup, vapourin) && SameBits(c.alcoholup, alcoholin)) {
            if constexpr (kMarch == March::kFinal) {
                const PlateEntries pinched = c.Plate(i);
                for (int above = i + 1; above <= c.plates; ++above) c.SetPlate(above, pinched);
            }
            c.platecounter = c.plates;
            break;
        }
        if constexpr (kMarch == March::kPass && !kChecked) {
            if (TopStaysAboveGuess(c, strengthin)) break;
            if (i + 2 < c.plates && CeilingHoldsAbove(c, strengthin))
                i = SkipToTopPlate(c, energy, strengthin);
        }
    }
    return strengthin;
}

// One bisection pass k: march up the plates with the current product figures,
// move the guess towards the top vapour by guessspan / 2^(k+1), and recompute
// the product for the new guess.
template <bool kChecked>
void RunPass(Column& c, int k, long double energy, long double boilervapour) {
    c.passcounter = k;
    c.platesmarched = 0;
    const long double top = MarchUp<March::kPass, kChecked>(c, energy, boilervapour);
    // An ideal plate's vapour is never above the azeotrope, so such a guess
    // is lowered whatever the plates give.
    const bool anyPlatesLower = c.efficiency == 1 && c.lastguess > kAzeotrope;
    if (!anyPlatesLower && c.platesmarched > c.passplates) c.passplates = c.platesmarched;

    c.topstrength = Stored<kChecked>(top);
    // Exact: a power of two scales 0.95 without rounding.
    const long double correction = c.guessspan / Power(2, k + 1);
    if (c.topstrength > c.lastguess) c.topstrength = Stored<kChecked>(c.lastguess + correction);
    if (c.topstrength < c.lastguess) c.topstrength = Stored<kChecked>(c.lastguess - correction);
    c.lastguess = c.topstrength;
    ComputeProduct<kChecked>(c, energy);
}

// The 1000 bisection passes. Each pass runs unchecked and tests the flags once
// at its end; a pass that faulted is replayed from its start with a check
// after every statement, so the exception comes from the faulting statement
// with everything stored before it kept. Once a pass leaves the guess as it
// was (the correction has dropped below the resolution of the guess, which
// happens after about 64 passes), the remaining passes would repeat it bit for
// bit, so they are skipped and only the pass counter is advanced.
void RunPasses(Column& c, long double energy, long double boilervapour) {
    for (int k = 1; k <= kPasses; ++k) {
        const PassState before = PassState::Of(c);
        RunPass<false>(c, k, energy, boilervapour);
        if (FaultRaised()) {
            before.RestoreTo(c);
            ClearFloatingPointFlags();
            RunPass<true>(c, k, energy, boilervapour);
            continue;
        }
        if (before.SameGuessAs(c)) {
            c.passcounter = kPasses;
            return;
        }
    }
}

void CheckPlateNumber(int plate) {
    if (plate < 1 || plate > kMaxPlates)
        throw std::out_of_range("plate " + std::to_string(plate) + " outside the table");
}

}  // namespace

long double& PlateTable::operator[](int plate) {
    CheckPlateNumber(plate);
    return entries_[static_cast<std::size_t>(plate - 1)];
}

long double PlateTable::operator[](int plate) const {
    CheckPlateNumber(plate);
    return entries_[static_cast<std::size_t>(plate - 1)];
}

PlateEntries Column::Plate(int plate) const {
    return {refluxtable[plate], vapourtable[plate], liquidtable[plate], temperaturetable[plate]};
}

void Column::SetPlate(int plate, const PlateEntries& entries) {
    refluxtable[plate] = entries.reflux;
    vapourtable[plate] = entries.vapour;
    liquidtable[plate] = entries.liquid;
    temperaturetable[plate] = entries.temperature;
}

void Column::RequirePlateCount() const {
    if (plates < 0 || plates > kMaxPlates)
        throw Exception("The number of plates must be from 0 to " + std::to_string(kMaxPlates));
}

void Column::RequireEfficiency() const {
    if (!(efficiency >= kLeastEfficiency && efficiency <= 1))
        throw Exception("The plate efficiency must be from 1 to 100 %");
}

long double Column::Energy() const {
    // 64-bit product: 2147483647 W x 3600 fits, so no power wraps around.
    return static_cast<long double>(static_cast<std::int64_t>(power) * 3600);
}

void Column::SolvePasses() {
    ClearFloatingPointFlags();
    RequirePlateCount();
    RequireEfficiency();
    const long double energy = Energy();

    // Boiler: all the power evaporates liquid of the boiler strength, and the
    // vapour is in equilibrium with it whatever the plates' efficiency.
    const long double boilerequilibrium = vapourstrength(boilerstrength);
    boilervapour = Checked(energy / heatofvaporization(boilerequilibrium));
    boileralcohol = Checked(boilerequilibrium * boilervapour);

    // First guess: the middle of the range from the boiler vapour up by 0.95.
    guessspan = kGuessSpan;
    topstrength = Checked(boilerequilibrium + guessspan / 2);
    lastguess = topstrength;
    ComputeProduct<true>(*this, energy);

    if (plates == 0) {
        // A pot still: the vapour leaving the top is the boiler's own, and no
        // plate passes liquid down.
        platecounter = 0;
        liquiddown = 0;
        alcoholdown = 0;
        platestrength = boilerstrength;
    }

    passplates = 0;
    RunPasses(*this, energy, boilerequilibrium);
}

void Column::Solve() {
    SolvePasses();
    MarchUp<March::kFinal, true>(*this, Energy(), vapourstrength(boilerstrength));

    if (plates >= 1 && std::fabs(vapourtable[plates] - topstrength) > kTopTolerance)
        ResolveTopDown();
}

}  // namespace colmara
