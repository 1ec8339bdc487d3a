#include "batch/batchconditions.h"

#include <algorithm>
#include <cmath>

#include "batch/headtemperature.h"
#include "runtime/bisect.h"
#include "study/strengthunit.h"
#include "study/valuetext.h"

namespace colmara {

namespace {

// Halvings of a stretch: far below the integration's own error.
constexpr int kBisections = 64;

// Finding a product strength's mark from solved moments, in shares of a
// stretch: the first bracket's half-width, the bracket it ends with, and
// the most steps (each a calculation).
constexpr long double kBracketStart = 1e-3L;
constexpr long double kCrossingWidth = 1e-9L;
constexpr int kFalsiSteps = 40;

long double WeightPercent(double percent, StrengthUnit unit) {
    return WeightFromStrength(unit, percent);
}

StateTest AmountTest(const Amount& amount, const BatchState& from, const RunContext& run) {
    const long double share = run.charge.Ethanol() * amount.value / 100;
    return [amount, from, share](const BatchState& state) {
        const Collected taken = Between(from, state);
        switch (amount.unit) {
            case AmountUnit::Grams:
                return taken.mass >= amount.value;
            case AmountUnit::Millilitres:
                return taken.Volume() >= amount.value;
            case AmountUnit::AlcoholShare:
                break;
        }
        return taken.ethanol >= share;
    };
}

// The product falling below mass fraction `fraction`.
EndTest BelowMark(long double fraction) {
    return {[fraction](const BatchState& state) { return state.productFraction < fraction; },
            fraction};
}

EndTest ProductBelowTest(double strength, const RunContext& run) {
    return BelowMark(WeightPercent(strength, run.request.unit) / 100);
}

// The head rising above `celsius` is the product falling below its mark.
EndTest HeadAboveTest(double celsius, const RunContext& run) {
    return BelowMark(HeadMark(celsius, run.request.pressureHpa));
}

StateTest MinuteTest(double minute, const RunContext& run) {
    const long double heatUp = run.heatUpMinutes;
    return
        [minute, heatUp](const BatchState& state) { return heatUp + state.hours * 60 >= minute; };
}

// Where the solved product strength falls below `fraction`, near the
// interpolated crossing `guess` and within [from, 1]: the quadratic through a
// stretch's moments can miss the mark by a few hundredths of a point where
// the product strength falls steeply. The crossing is bracketed and then
// narrowed by regula falsi with the Illinois halving, which also closes in on
// a step: the correlations jump where the vapour reaches 80 % by weight.
long double SolvedCrossing(BatchSolver& solver, const BatchStretch& stretch, long double from,
                           long double guess, long double fraction) {
    const long double floor = stretch.First().reflux;
    const auto miss = [&](long double theta) {
        return solver.At(solver.StrengthText(stretch.At(theta).fraction), floor).ProductFraction() -
               fraction;
    };
    // The product is still at or above the mark at `before`, below it at `after`.
    long double before = guess;
    long double after = guess;
    long double missBefore = miss(guess);
    long double missAfter = missBefore;
    for (long double width = kBracketStart; missBefore < 0 && before > from; width *= 2) {
        after = before;
        missAfter = missBefore;
        before = std::max(from, guess - width);
        missBefore = miss(before);
    }
    for (long double width = kBracketStart; missAfter >= 0 && after < 1; width *= 2) {
        before = after;
        missBefore = missAfter;
        after = std::min(1.0L, guess + width);
        missAfter = miss(after);
    }
    if (missBefore < 0) return before;
    if (missAfter >= 0) return after;
    int side = 0;  // the end kept last time: -1 before, +1 after
    for (int k = 0; k < kFalsiSteps && after - before > kCrossingWidth; ++k) {
        long double next = before + missBefore * (after - before) / (missBefore - missAfter);
        if (!(next > before && next < after)) next = (before + after) / 2;
        const long double missNext = miss(next);
        if (missNext >= 0) {
            before = next;
            missBefore = missNext;
            if (side == -1) missAfter /= 2;
            side = -1;
        } else {
            after = next;
            missAfter = missNext;
            if (side == 1) missBefore /= 2;
            side = 1;
        }
    }
    return after;
}

}  // namespace

Collected Between(const BatchState& from, const BatchState& to) {
    return {to.collected - from.collected, to.ethanolCollected - from.ethanolCollected};
}

EndTest CutEndTest(const CutCondition& end, const BatchState& cutStart, const RunContext& run) {
    switch (end.kind) {
        case CutEnd::Amount:
            return {AmountTest(end.amount, cutStart, run), std::nullopt};
        case CutEnd::ProductBelow:
            return ProductBelowTest(end.value, run);
        case CutEnd::HeadAbove:
            return HeadAboveTest(end.value, run);
        case CutEnd::Minute:
            return {MinuteTest(end.value, run), std::nullopt};
        case CutEnd::RunEnd:
            break;
    }
    return {[](const BatchState&) { return false; }, std::nullopt};
}

std::vector<Stop> StateStops(const RunContext& run) {
    using Reason = BatchEnd::Reason;
    const BatchStops& stops = run.request.stops;
    const StrengthUnit unit = run.request.unit;
    std::vector<Stop> tests;
    if (stops.productBelow)
        tests.push_back({BatchEnd::Because(Reason::ProductStrength, *stops.productBelow, unit),
                         ProductBelowTest(*stops.productBelow, run)});
    if (stops.headAbove)
        tests.push_back({BatchEnd::Because(Reason::HeadTemperature, *stops.headAbove),
                         HeadAboveTest(*stops.headAbove, run)});
    if (stops.collected) {
        BatchEnd collected = BatchEnd::Because(Reason::Collected);
        collected.amount = *stops.collected;
        tests.push_back(
            {collected, {AmountTest(*stops.collected, BatchState{}, run), std::nullopt}});
    }
    if (stops.afterMinutes)
        tests.push_back({BatchEnd::Because(Reason::AfterMinutes, *stops.afterMinutes),
                         {MinuteTest(*stops.afterMinutes, run), std::nullopt}});
    return tests;
}

long double FirstWhere(BatchSolver& solver, const BatchStretch& stretch, long double from,
                       const EndTest& test) {
    if (test.met(stretch.At(from))) return from;
    if (!test.met(stretch.At(1))) return -1;
    const long double high = Bisect(from, 1, kBisections, [&](long double theta) {
                                 return test.met(stretch.At(theta));
                             }).high;
    if (!test.productBelow || stretch.Emptying()) return high;
    return SolvedCrossing(solver, stretch, from, high, *test.productBelow);
}

}  // namespace colmara
