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

void CaseSolver::Solve(const Job& job) {
    StudyCase study = SolveStudy(job.typed, job.unit, job.settings);
    QMetaObject::invokeMethod(
        this, [this, id = job.id, study = std::move(study)] { Deliver(id, study); },
        Qt::QueuedConnection);
}

void CaseSolver::Deliver(std::uint64_t id, const StudyCase& study) {
    if (id != latest_) return;  // overtaken by a newer request
    delivered_ = id;
    emit Solved(study);
}

}  // namespace colmara
