#include "ui/study/batchrunner.h"

#include <exception>
#include <utility>

#include "batch/batcherror.h"
#include "batch/batchfailuretext.h"
#include "batch/batchmoment.h"
#include "batch/batchrun.h"
#include "runtime/fpcheck.h"

namespace colmara {

namespace {

// The log's readings beside the run's; a pairing that fails draws none
// and says why in the log's notes, and the run stands.
LogPairs Paired(const RunLog& log, const std::vector<BatchRow>& timeline, long double hpa) {
    try {
        // The tab has no thermometer offset: its logs read true.
        return PairLog(log, timeline, hpa, {});
    } catch (const std::exception& e) {
        return {{}, {std::string("The log cannot be compared with the run: ") + e.what()}};
    }
}

// The run, or its failure as the status line says it; nullopt when it was
// cancelled.
std::optional<BatchOutcome> Outcome(const BatchRequest& request, const FormatSettings& settings,
                                    const RunLog* log) {
    BatchOutcome outcome;
    outcome.unit = request.unit;
    try {
        const std::optional<std::string> failure = FailureOf([&] {
            outcome.result = RunBatch(request, settings);
            if (log != nullptr)
                outcome.log = Paired(*log, outcome.result->timeline, request.pressureHpa);
        });
        if (failure) outcome.error = *failure;
    } catch (const BatchCancelled&) {
        return std::nullopt;
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

void BatchRunner::Request(BatchRequest request, const FormatSettings& settings,
                          std::shared_ptr<const RunLog> log) {
    // The run in hand is stale from now on: it stops at its next moment.
    latest_ = jobs_.Request({0, std::move(request), settings, std::move(log)});
}

void BatchRunner::Cancel() {
    latest_ = jobs_.Cancel();
}

void BatchRunner::Flush() {
    jobs_.Flush();
}

std::optional<BatchRunner::Finish> BatchRunner::Work(Job& job, std::stop_token stop) {
    TieToJob(job.request, job.id, std::move(stop), progress_);
    std::optional<BatchOutcome> outcome = Outcome(job.request, job.settings, job.log.get());
    if (!outcome) return std::nullopt;
    return Finish{job.id, std::move(*outcome)};
}

void BatchRunner::TakeProgress() {
    const auto [id, share] = progress_.Take();
    // A stale run's share would jump back and forth with the newest one's.
    if (id == latest_ && Busy()) emit Progressed(share);
}

void BatchRunner::TakeFinished() {
    // Nothing when an earlier wake-up took it or a newer request overtook it.
    if (std::optional<Finish> finish = jobs_.TakeCurrent()) emit Finished(finish->outcome);
}

}  // namespace colmara
