#include "ui/study/batchrunner.h"

#include <exception>
#include <utility>

#include "batch/batchmoment.h"
#include "batch/batchrun.h"
#include "runtime/exceptions.h"
#include "runtime/fpcheck.h"
#include "study/studyerror.h"

namespace colmara {

namespace {

// The run, or its failure as the status line says it; nullopt when it was
// cancelled.
std::optional<BatchOutcome> Outcome(const BatchRequest& request, const FormatSettings& settings) {
    BatchOutcome outcome;
    outcome.unit = request.unit;
    try {
        outcome.result = RunBatch(request, settings);
    } catch (const BatchCancelled&) {
        return std::nullopt;
    } catch (const BatchFailure& failure) {
        outcome.error = failure.Message();
    } catch (const StudyError& e) {
        outcome.error = e.Message();
    } catch (const Exception& e) {
        outcome.error = MessageWithPeriod(e.Message());
    } catch (const std::exception& e) {
        // Nothing may escape the worker thread; the tab shows it instead.
        outcome.error = e.what();
    }
    return outcome;
}

}  // namespace

BatchRunner::BatchRunner(QObject* parent) : QObject(parent) {
    qRegisterMetaType<colmara::BatchOutcome>("colmara::BatchOutcome");
}

BatchRunner::~BatchRunner() {
    // The run in hand stops at its next moment; the worker then joins.
    Cancel();
}

void BatchRunner::Request(BatchRequest request, const FormatSettings& settings) {
    // The run in hand is stale from now on: it stops at its next moment.
    wanted_ = jobs_.Request({0, std::move(request), settings});
}

void BatchRunner::Cancel() {
    wanted_ = jobs_.Cancel();
}

void BatchRunner::Flush() {
    jobs_.Flush();
}

std::optional<BatchRunner::Finish> BatchRunner::Work(Job& job) {
    job.request.cancelled = [this, id = job.id] { return wanted_ != id; };
    std::optional<BatchOutcome> outcome = Outcome(job.request, job.settings);
    if (!outcome) return std::nullopt;
    return Finish{job.id, std::move(*outcome)};
}

void BatchRunner::TakeFinished() {
    // Nothing when an earlier wake-up took it or a newer request overtook it.
    if (std::optional<Finish> finish = jobs_.TakeCurrent()) emit Finished(finish->outcome);
}

}  // namespace colmara
