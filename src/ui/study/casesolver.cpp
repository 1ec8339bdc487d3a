#include "ui/study/casesolver.h"

#include <exception>
#include <utility>

#include "runtime/exceptions.h"
#include "runtime/fpcheck.h"

namespace colmara {

namespace {

StudyCase SolveStudy(const InputTexts& typed, StrengthUnit unit, const FormatSettings& settings) {
    StudyCase study{typed, unit, {}};
    try {
        study.profile = ProfileCase(typed, settings, unit);
    } catch (const Exception& e) {
        // A strength by volume outside 0..100 % is refused before any solve.
        study.profile = {};
        study.profile.result.error = MessageWithPeriod(e.Message());
    } catch (const std::exception& e) {
        // Nothing may escape the worker thread; the window shows it instead.
        study.profile = {};
        study.profile.result.error = MessageWithPeriod(e.what());
    }
    return study;
}

}  // namespace

CaseSolver::CaseSolver(QObject* parent) : QObject(parent) {
    qRegisterMetaType<colmara::StudyCase>("colmara::StudyCase");
    debounce_.setSingleShot(true);
    debounce_.setInterval(kDebounceMs);
    connect(&debounce_, &QTimer::timeout, this, &CaseSolver::Flush);
}

void CaseSolver::Request(const InputTexts& typed, StrengthUnit unit,
                         const FormatSettings& settings) {
    pending_ = {++latest_, typed, unit, settings};
    debounce_.start();
}

void CaseSolver::Flush() {
    debounce_.stop();
    if (pending_.id == 0) return;
    worker_.Post(std::exchange(pending_, {}));
}

CaseSolver::Solution CaseSolver::Solve(const Job& job) {
    return {job.id, SolveStudy(job.typed, job.unit, job.settings)};
}

void CaseSolver::TakeSolved() {
    std::optional<Solution> solution = worker_.Take();
    // Taken by an earlier wake-up, or overtaken by a newer request.
    if (!solution || solution->id != latest_) return;
    delivered_ = solution->id;
    emit Solved(solution->study);
}

}  // namespace colmara
