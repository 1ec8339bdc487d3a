#include "batch/batchmoment.h"

#include <algorithm>
#include <cmath>

#include "runtime/numconv.h"
#include "study/seek.h"
#include "study/strengthunit.h"
#include "study/studyerror.h"
#include "study/valuetext.h"

namespace colmara {

BatchSolver::BatchSolver(const BatchRequest& request, const FormatSettings& settings)
    : request_(request), settings_(settings) {
    if (request.policy == BatchPolicy::Strength && request.maxReflux > kBatchMostMaxReflux)
        throw StudyError("maximum reflux: " + PlainNumber(request.maxReflux) + " is above " +
                         PlainNumber(kBatchMostMaxReflux) +
                         ", the most the strength policy searches");
}

std::string BatchSolver::StrengthText(long double fraction) const {
    return ValueText(static_cast<double>(fraction * 100), false, settings_);
}

void BatchSolver::CheckCancelled() const {
    if (request_.cancelled && request_.cancelled()) throw BatchCancelled{};
}

BatchMoment BatchSolver::Solve(const InputTexts& inputs, const CaseResult* known) {
    BatchMoment moment{inputs, known != nullptr ? *known : SolveCase(column_, inputs, settings_)};
    if (known == nullptr) ++solves_;
    if (!moment.result.Solved()) throw BatchFailure{*moment.result.error};
    // The texts were read without fault a moment ago, so they read again.
    moment.fraction = ParseExtended(inputs.strength, settings_) / 100;
    moment.reflux = ParseExtended(inputs.reflux, settings_);
    moment.power = ParseInteger(inputs.power);
    return moment;
}

BatchMoment BatchSolver::Seek(const InputTexts& inputs, long double refluxFloor, bool first) {
    SeekRequest seek;
    seek.inputs = inputs;
    seek.vary = Input::Reflux;
    // The strength text is by weight already; the target is compared by
    // weight, which orders strengths as by volume and by mole do.
    seek.target =
        request_.unit == StrengthUnit::Weight
            ? request_.targetStrength
            : static_cast<double>(WeightFromStrength(request_.unit, request_.targetStrength));
    seek.max = request_.maxReflux;
    seek.min = std::min(static_cast<double>(refluxFloor), request_.maxReflux);
    seek.resolution = kBatchRefluxResolution;
    seek.mostCandidates =
        static_cast<std::uint64_t>(std::llround(kBatchMostMaxReflux / kBatchRefluxResolution)) + 1;
    const SeekResult found = colmara::Seek(seek, settings_);
    solves_ += found.solves;
    if (found.reachable) return Solve(found.row.inputs, &found.row.result);
    if (first) {
        seek.unit = request_.unit;
        seek.target = request_.targetStrength;
        seek.inputs.strength = request_.inputs.strength;
        throw BatchFailure{UnreachableMessage(seek, found, request_.calculatedText), true};
    }
    InputTexts atMaximum = inputs;
    atMaximum.reflux = ValueText(request_.maxReflux, false, settings_);
    return Solve(atMaximum);
}

BatchMoment BatchSolver::At(const std::string& strengthText, long double refluxFloor, bool first) {
    const bool seeks = request_.policy == BatchPolicy::Strength;
    std::string key = strengthText;
    if (seeks) {
        key += '|';
        key += ValueText(static_cast<double>(refluxFloor), false, {});
    }
    if (const auto found = known_.find(key); found != known_.end()) return found->second;
    CheckCancelled();
    InputTexts inputs = request_.inputs;
    inputs.strength = strengthText;
    BatchMoment moment = seeks ? Seek(inputs, refluxFloor, first) : Solve(inputs);
    known_.emplace(key, moment);
    return moment;
}

}  // namespace colmara
