// The batch tab's fit to a run log (batch/logfit.h), off the GUI thread: a
// request goes to a worker thread at once, which runs FitLog with the
// request's `cancelled` hook set to its job's stop token; a newer request
// or Cancel stops the fit at its next moment and drops its outcome, so the
// GUI thread never waits and never shows a fit of older inputs. Progress
// reaches the GUI thread as BatchRunner's does (runprogress.h).
#pragma once

#include <QObject>
#include <cstdint>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>

#include "batch/batchrequest.h"
#include "batch/logfit.h"
#include "runtime/numconv.h"
#include "ui/study/debouncedworker.h"
#include "ui/study/runprogress.h"

namespace colmara {

// A fit, or why there is none.
struct LogFitOutcome {
    std::optional<LogFit> fit;
    std::string error;  // set when `fit` is absent
};

class LogFitter : public QObject {
    Q_OBJECT

  public:
    explicit LogFitter(QObject* parent = nullptr);
    // Stops the fit in hand and joins the worker.
    ~LogFitter() override;

    // Fits `log` from `request` now; the fit in hand stops.
    void Request(BatchRequest request, std::shared_ptr<const RunLog> log,
                 const FormatSettings& settings);
    // Stops the fit in hand; nothing is delivered until the next request's.
    void Cancel();
    bool Busy() const { return jobs_.Busy(); }

  signals:
    void Finished(const colmara::LogFitOutcome& outcome);
    // The share of the newest fit done, 0 to 1.
    void Progressed(double share);

  private slots:
    void TakeFinished();
    void TakeProgress();

  private:
    struct Job {
        std::uint64_t id = 0;
        BatchRequest request;
        std::shared_ptr<const RunLog> log;
        FormatSettings settings;
    };
    struct Finish {
        std::uint64_t id = 0;
        LogFitOutcome outcome;
    };
    std::optional<Finish> Work(Job& job, std::stop_token stop);

    std::uint64_t latest_ = 0;
    RunProgress progress_{this, "TakeProgress"};
    // Last: its worker is joined before the members its jobs use are gone.
    DebouncedWorker<Job, Finish> jobs_{
        this, "TakeFinished", 0,
        [this](Job& job, std::stop_token stop) { return Work(job, std::move(stop)); }};
};

}  // namespace colmara
