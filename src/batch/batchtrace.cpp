#include "batch/batchtrace.h"

#include "batch/batchmarch.h"
#include "batch/batchprogress.h"
#include "runtime/numconv.h"
#include "study/strengthtext.h"
#include "study/strengthunit.h"
#include "study/valuetext.h"

namespace colmara {

namespace {

// Without a stop by the boiler strength, the alcohol counts as spent at
// this boiler strength (% by weight); the water left is then taken off.
constexpr double kSpentPercent = 0.01;

struct Lowest {
    std::string text;
    long double fraction = 0;
    bool empties = true;
};

Lowest LowestOf(const RunContext& run, const FormatSettings& settings) {
    const BatchRequest& request = run.request;
    Lowest spent{ValueText(kSpentPercent, false, settings), 0, true};
    spent.fraction = ParseExtended(spent.text, settings) / 100;
    if (!request.stops.boilerBelow) return spent;
    Lowest stop{StrengthValueText(*request.stops.boilerBelow, request.unit, settings), 0, false};
    stop.fraction = ParseExtended(stop.text, settings) / 100;
    return stop.fraction > spent.fraction ? stop : spent;
}

BatchEnd EndReason(MarchEnd end, const RunContext& run) {
    using Reason = BatchEnd::Reason;
    const BatchStops& stops = run.request.stops;
    switch (end) {
        case MarchEnd::BoilerStrength:
            return BatchEnd::Because(Reason::BoilerStrength, *stops.boilerBelow, run.request.unit);
        case MarchEnd::NoEnrichment:
            return BatchEnd::Because(Reason::NoEnrichment);
        case MarchEnd::Empty:
        case MarchEnd::Running:
            break;
    }
    BatchEnd empty = BatchEnd::Because(Reason::BoilerEmpty);
    empty.stopNeverMet = stops.boilerBelow || stops.productBelow || stops.headAbove ||
                         stops.collected || stops.afterMinutes;
    return empty;
}

class Distillation {
  public:
    Distillation(BatchSolver& solver, const RunContext& run, const BatchState& start)
        : solver_(solver), run_(run), stops_(StateStops(run)) {
        trace_.marks.push_back({start, 0});
        trace_.end = trace_.marks.back();
        cutTest_ = CutEndTest(run.request.cuts[0].end, start, run);
    }

    // Follows the run along `stretch`; false once it has ended there.
    bool Along(const BatchStretch& stretch) {
        trace_.stretches.push_back(stretch);
        long double from = 0;
        for (;;) {
            long double stopAt = -1;
            BatchEnd reason;
            for (const Stop& stop : stops_) {
                const long double at = FirstWhere(solver_, stretch, from, stop.test);
                if (at >= 0 && (stopAt < 0 || at < stopAt)) {
                    stopAt = at;
                    reason = stop.end;
                }
            }
            const long double cutAt = FirstWhere(solver_, stretch, from, cutTest_);
            if (cutAt >= 0 && (stopAt < 0 || cutAt < stopAt)) {
                if (!NextCut(stretch.At(cutAt))) return false;
                from = cutAt;
                continue;
            }
            if (stopAt >= 0) return End(stretch.At(stopAt), reason);
            trace_.end = {stretch.End(), cut_};
            return true;
        }
    }

    bool End(const BatchState& state, BatchEnd reason) {
        trace_.end = {state, cut_};
        trace_.stop = std::move(reason);
        return false;
    }

    BatchTrace Take() { return std::move(trace_); }

  private:
    // The current cut ends at `state`; false when it was the last.
    bool NextCut(const BatchState& state) {
        const std::vector<BatchCut>& cuts = run_.request.cuts;
        if (cut_ + 1 == cuts.size()) {
            BatchEnd last = BatchEnd::Because(BatchEnd::Reason::LastCut);
            last.cut = cuts[cut_].name;
            return End(state, last);
        }
        ++cut_;
        trace_.marks.push_back({state, cut_});
        cutTest_ = CutEndTest(cuts[cut_].end, state, run_);
        return true;
    }

    BatchSolver& solver_;
    const RunContext& run_;
    const std::vector<Stop> stops_;
    EndTest cutTest_;
    std::size_t cut_ = 0;
    BatchTrace trace_;
};

}  // namespace

BatchTrace Distil(BatchSolver& solver, const RunContext& run, const BatchMoment& first,
                  const FormatSettings& settings) {
    const Lowest lowest = LowestOf(run, settings);
    BatchMarch march(solver, run.charge, first, lowest.text, lowest.fraction, lowest.empties,
                     run.request.tolerance);
    BatchState start;
    start.fraction = first.fraction;
    start.mass = run.charge.mass;
    start.productFraction = first.ProductFraction();
    Distillation distillation(solver, run, start);
    const BatchProgress progress(run.request);
    while (const std::optional<BatchStretch> stretch = march.Next()) {
        solver.CheckCancelled();
        if (!distillation.Along(*stretch)) return distillation.Take();
        progress.Distilled(stretch->End(), run.charge);
    }
    BatchTrace trace = distillation.Take();
    trace.stop = EndReason(march.End(), run);
    return trace;
}

}  // namespace colmara
