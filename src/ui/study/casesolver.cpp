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
        // A strength by volume or by mole outside 0..100 % is refused before
        // any solve.
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
}

void CaseSolver::Request(const InputTexts& typed, StrengthUnit unit,
                         const FormatSettings& settings) {
    jobs_.Request({0, typed, unit, settings});
}

void CaseSolver::Flush() {
    jobs_.Flush();
}

CaseSolver::Solution CaseSolver::Solve(const Job& job) {
    return {job.id, SolveStudy(job.typed, job.unit, job.settings)};
}

void CaseSolver::TakeSolved() {
    // Nothing when an earlier wake-up took it or a newer request overtook it.
    if (std::optional<Solution> solution = jobs_.TakeCurrent()) emit Solved(solution->study);
}

}  // namespace colmara
