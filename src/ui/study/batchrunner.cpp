#include "ui/study/batchrunner.h"

#include <exception>

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
    worker_ = std::thread([this] { Run(); });
}

BatchRunner::~BatchRunner() {
    stopping_ = true;
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
        queued_.reset();
    }
    wake_.notify_one();
    worker_.join();
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
    {
        std::lock_guard lock(mutex_);
        queued_ = std::move(pending_);
    }
    pending_ = {};
    wake_.notify_one();
}

void BatchRunner::Run() {
    // The solver's numbers depend on the unit's precision and rounding.
    InitFloatingPoint();
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stop_ || queued_.has_value(); });
            if (stop_) return;
            job = std::move(*queued_);
            queued_.reset();
        }
        job.request.cancelled = [this, id = job.id] { return stopping_ || wanted_ != id; };
        std::optional<BatchOutcome> outcome = Outcome(job.request, job.settings);
        if (!outcome) continue;
        QMetaObject::invokeMethod(
            this, [this, id = job.id, outcome = std::move(*outcome)] { Deliver(id, outcome); },
            Qt::QueuedConnection);
    }
}

void BatchRunner::Deliver(std::uint64_t id, const BatchOutcome& outcome) {
    if (id != latest_) return;  // overtaken by a newer request
    delivered_ = id;
    emit Finished(outcome);
}

}  // namespace colmara
