#include "ui/study/batchrunner.h"

#include <exception>
#include <utility>

#include "batch/batchnode.h"
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
        outcome.error = failure.message;
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
    debounce_.setSingleShot(true);
    debounce_.setInterval(kDebounceMs);
    connect(&debounce_, &QTimer::timeout, this, &BatchRunner::Flush);
}

BatchRunner::~BatchRunner() {
    // The run in hand stops at its next moment; the worker then joins.
    stopping_ = true;
}

void BatchRunner::Request(BatchRequest request, const FormatSettings& settings) {
    pending_ = {++latest_, std::move(request), settings};
    // The run in hand is stale from now on: it stops at its next moment.
    wanted_ = latest_;
    debounce_.start();
}

void BatchRunner::Cancel() {
    debounce_.stop();
    pending_ = {};
    wanted_ = ++latest_;
    delivered_ = latest_;
}

void BatchRunner::Flush() {
    debounce_.stop();
    if (pending_.id == 0) return;
    worker_.Post(std::exchange(pending_, {}));
}

std::optional<BatchRunner::Finish> BatchRunner::Work(Job& job) {
    job.request.cancelled = [this, id = job.id] { return stopping_ || wanted_ != id; };
    std::optional<BatchOutcome> outcome = Outcome(job.request, job.settings);
    if (!outcome) return std::nullopt;
    return Finish{job.id, std::move(*outcome)};
}

void BatchRunner::TakeFinished() {
    std::optional<Finish> finish = worker_.Take();
    // Taken by an earlier wake-up, or overtaken by a newer request.
    if (!finish || finish->id != latest_) return;
    delivered_ = finish->id;
    emit Finished(finish->outcome);
}

}  // namespace colmara
