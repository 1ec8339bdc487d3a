#include "ui/study/logfitter.h"

#include <utility>

#include "batch/batcherror.h"
#include "batch/batchfailuretext.h"

namespace colmara {

namespace {

// The fit, or why there is none; nullopt when it was cancelled.
std::optional<LogFitOutcome> Outcome(const BatchRequest& request, const RunLog& log,
                                     const FormatSettings& settings) {
    LogFitOutcome outcome;
    try {
        // The tab has no thermometer offset: its logs read true.
        const std::optional<std::string> failure =
            FailureOf([&] { outcome.fit = FitLog(request, log, {}, settings); });
        if (failure) outcome.error = *failure;
    } catch (const BatchCancelled&) {
        return std::nullopt;
    }
    return outcome;
}

}  // namespace

LogFitter::LogFitter(QObject* parent) : QObject(parent) {
    qRegisterMetaType<colmara::LogFitOutcome>("colmara::LogFitOutcome");
}

LogFitter::~LogFitter() {
    Cancel();
}

void LogFitter::Request(BatchRequest request, std::shared_ptr<const RunLog> log,
                        const FormatSettings& settings) {
    latest_ = jobs_.Request({0, std::move(request), std::move(log), settings});
    jobs_.Flush();
}

void LogFitter::Cancel() {
    latest_ = jobs_.Cancel();
}

std::optional<LogFitter::Finish> LogFitter::Work(Job& job, std::stop_token stop) {
    TieToJob(job.request, job.id, std::move(stop), progress_);
    std::optional<LogFitOutcome> outcome = Outcome(job.request, *job.log, job.settings);
    if (!outcome) return std::nullopt;
    return Finish{job.id, std::move(*outcome)};
}

void LogFitter::TakeProgress() {
    const auto [id, share] = progress_.Take();
    if (id == latest_ && Busy()) emit Progressed(share);
}

void LogFitter::TakeFinished() {
    if (std::optional<Finish> finish = jobs_.TakeCurrent()) emit Finished(finish->outcome);
}

}  // namespace colmara
