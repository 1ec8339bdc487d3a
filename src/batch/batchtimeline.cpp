#include "batch/batchtimeline.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "batch/batchprogress.h"
#include "batch/headtemperature.h"
#include "model/properties.h"
#include "runtime/bisect.h"
#include "study/studyerror.h"
#include "study/valuetext.h"

namespace colmara {

namespace {

// Two rows closer than this (minutes) are one moment.
constexpr long double kSameMinute = 1e-9L;
constexpr int kBisections = 64;

// The state `hours` into distilling, within the run's stretches.
BatchState StateAtHours(const std::vector<BatchStretch>& stretches, long double hours) {
    const auto stretch =
        std::find_if(stretches.begin(), stretches.end(),
                     [hours](const BatchStretch& p) { return p.End().hours >= hours; });
    const BatchStretch& within = stretch != stretches.end() ? *stretch : stretches.back();
    return within.At(Bisect(0, 1, kBisections, [&](long double theta) {
                         return within.At(theta).hours >= hours;
                     }).high);
}

// The cut being collected at `minute`: the last whose beginning is not later.
std::size_t CutAt(const RunContext& run, const BatchTrace& trace, long double minute) {
    std::size_t cut = 0;
    for (const BatchMark& mark : trace.marks)
        if (mark.Minute(run) <= minute) cut = mark.cut;
    return cut;
}

// The minutes of the interval's rows are k x every strictly between the start
// of distilling and the end, for k = first, first + 1, ...: how many there
// are, refused beyond the most a timeline holds.
std::uint64_t IntervalRows(const RunContext& run, const BatchTrace& trace, long double first) {
    const long double every = run.request.everyMinutes;
    const long double rows = std::max(0.0L, std::ceil(trace.end.Minute(run) / every) - first);
    if (!(rows <= kMostTimelineRows))
        throw StudyError(run.request.naming("every") + ": " +
                         PlainNumber(run.request.everyMinutes) + " min would give " +
                         PlainNumber(static_cast<double>(rows)) + " rows over " +
                         PlainNumber(std::round(static_cast<double>(trace.end.state.hours * 60))) +
                         " min of distilling, more than the " + std::to_string(kMostTimelineRows) +
                         " a timeline holds");
    return static_cast<std::uint64_t>(rows);
}

// The moments of the timeline in order: the trace's marks and end, and one
// every interval between them.
std::vector<BatchMark> Moments(const BatchSolver& solver, const RunContext& run,
                               const BatchTrace& trace) {
    std::vector<BatchMark> moments = trace.marks;
    moments.push_back(trace.end);
    const std::size_t marks = moments.size();
    const long double endMinute = trace.end.Minute(run);
    const long double every = run.request.everyMinutes;
    const long double first = std::floor(run.heatUpMinutes / every) + 1;
    // One more than counted, in case rounding counted one short.
    const std::uint64_t rows = IntervalRows(run, trace, first) + 1;
    for (std::uint64_t k = 0; k < rows; ++k) {
        const long double minute = (first + k) * every;
        if (!(minute < endMinute)) break;
        solver.CheckCancelled();
        const bool marked = std::any_of(
            moments.begin(), moments.begin() + marks,
            [&](const BatchMark& m) { return std::fabs(m.Minute(run) - minute) < kSameMinute; });
        if (marked || minute - run.heatUpMinutes < kSameMinute) continue;
        BatchState state = StateAtHours(trace.stretches, (minute - run.heatUpMinutes) / 60);
        moments.push_back({state, CutAt(run, trace, minute)});
    }
    std::stable_sort(
        moments.begin(), moments.end(),
        [&run](const BatchMark& a, const BatchMark& b) { return a.Minute(run) < b.Minute(run); });
    // A run that stops as a cut begins (at the start, say) ends at that
    // mark's moment in that cut: one row, not the same row twice.
    const auto same = [&run](const BatchMark& a, const BatchMark& b) {
        return a.cut == b.cut && std::fabs(a.Minute(run) - b.Minute(run)) < kSameMinute;
    };
    moments.erase(std::unique(moments.begin(), moments.end(), same), moments.end());
    return moments;
}

}  // namespace

std::vector<BatchRow> Timeline(BatchSolver& solver, const RunContext& run, const BatchTrace& trace,
                               const std::string& chargeText) {
    const std::vector<BatchMark> moments = Moments(solver, run, trace);
    const BatchProgress progress(run.request);
    std::vector<BatchRow> rows;
    long double refluxFloor = 0;
    for (const BatchMark& mark : moments) {
        solver.CheckCancelled();
        const std::string text =
            rows.empty() ? chargeText : solver.StrengthText(mark.state.fraction);
        const BatchMoment solved = solver.At(text, refluxFloor);
        refluxFloor = solved.reflux;
        BatchRow row;
        row.minute = mark.Minute(run);
        row.inputs = solved.inputs;
        row.result = solved.result;
        // Once the alcohol counts as spent, what is collected has the
        // boiler's strength, not the spent column's calculated product.
        if (mark.state.spent) row.result.productStrength = mark.state.productFraction * 100;
        row.boilerPercent = solved.fraction * 100;
        row.boilerMass = mark.state.mass;
        row.boilerTemperature = temperature(vapourstrength(solved.fraction));
        row.headTemperature =
            HeadCelsius(*row.result.productStrength / 100, run.request.pressureHpa);
        row.collected = mark.state.collected;
        row.cut = run.request.cuts[mark.cut].name;
        rows.push_back(std::move(row));
        progress.Rows(rows.size(), moments.size());
    }
    return rows;
}

}  // namespace colmara
