#include "batch/batchrun.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "batch/batchlimits.h"
#include "batch/batchprogress.h"
#include "batch/batchtimeline.h"
#include "batch/heatup.h"
#include "study/strengthtext.h"
#include "study/studyerror.h"
#include "study/valuetext.h"

namespace colmara {

namespace {

std::vector<CutResult> CutTable(const RunContext& run, const BatchTrace& trace) {
    std::vector<CutResult> cuts;
    for (std::size_t i = 0; i < run.request.cuts.size(); ++i) {
        // A cut the run never reached begins and ends with it, empty.
        const BatchMark& begin = i < trace.marks.size() ? trace.marks[i] : trace.end;
        const BatchMark& end = i + 1 < trace.marks.size() ? trace.marks[i + 1] : trace.end;
        cuts.push_back({run.request.cuts[i].name, begin.Minute(run), end.Minute(run),
                        Between(begin.state, end.state)});
    }
    return cuts;
}

long double EnergyKwh(std::int32_t watts, long double minutes) {
    return watts * minutes / 60 / 1000;
}

// A run stopped before the charge boils: nothing is collected, every cut
// begins and ends at the stop, and the time and energy are the heating's so
// far. No row: the timeline begins when distilling does.
BatchResult StoppedWhileHeating(const RunContext& run, double minute, std::int32_t watts) {
    BatchResult result;
    result.heatUpMinutes = minute;
    result.energyKwh = EnergyKwh(watts, minute);
    result.stop = BatchEnd::Because(BatchEnd::Reason::AfterMinutes, minute);
    for (const BatchCut& cut : run.request.cuts)
        result.cuts.push_back({cut.name, minute, minute, {}});
    result.residue = {run.charge.mass, run.charge.Ethanol()};
    return result;
}

// A run whose time or energy no double holds (a reflux or a charge beyond
// any still's) cannot be printed: it ends with a message instead.
void RequirePrintable(const BatchResult& result) {
    const long double most = std::numeric_limits<double>::max();
    if (!(result.heatUpMinutes + result.runMinutes <= most) || !(result.energyKwh <= most))
        throw BatchFailure("the run's minutes or energy are beyond " +
                           PlainNumber(static_cast<double>(most)) + ", the largest number printed");
}

}  // namespace

BatchResult RunBatch(const BatchRequest& request, const FormatSettings& settings) {
    ValidateBatchRequest(request, BatchLabel, settings);
    const std::string chargeText =
        StrengthFieldText(request.inputs.strength, request.unit, settings);
    BatchSolver solver(request, settings);
    const BatchMoment first = solver.At(chargeText, 0, true);
    if (first.power <= 0) throw StudyError("power: a run needs more than 0 W");
    const Charge charge{ChargeGrams(request.charge, request.chargeUnit, first.fraction),
                        first.fraction};
    const RunContext run{
        request, charge,
        HeatUpMinutes(charge.mass, charge.fraction, request.startCelsius, first.power)};
    const BatchProgress progress(request);
    const std::optional<double>& after = request.stops.afterMinutes;
    if (after && *after < run.heatUpMinutes) {
        BatchResult result = StoppedWhileHeating(run, *after, first.power);
        result.solves = solver.Solves();
        progress.Finished();
        return result;
    }

    const BatchTrace trace = Distil(solver, run, first, settings);
    BatchResult result;
    result.heatUpMinutes = run.heatUpMinutes;
    result.runMinutes = trace.end.state.hours * 60;
    result.energyKwh = EnergyKwh(first.power, result.heatUpMinutes + result.runMinutes);
    result.stop = trace.stop;
    RequirePrintable(result);
    result.cuts = CutTable(run, trace);
    result.residue = {trace.end.state.mass, trace.end.state.mass * trace.end.state.fraction};
    if (request.timeline) result.timeline = Timeline(solver, run, trace, chargeText);
    result.notes = EmptyCutNotes(request, result.cuts);
    result.solves = solver.Solves();
    progress.Finished();
    return result;
}

}  // namespace colmara
