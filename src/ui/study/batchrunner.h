// The batch tab's runs, off the GUI thread: each request restarts a short
// debounce; then the newest request runs on a worker thread of its own and
// its outcome is delivered on the GUI thread. A newer request cancels the
// run in hand at its next moment (a strength-policy run takes seconds), as
// does the runner's end, and an outcome a newer request has overtaken is
// dropped, so the GUI thread never waits and never shows an older run. The
// run's progress reaches the GUI thread the way its outcome does: a share
// kept under a mutex, and a wake-up that carries no data. A run asked for
// with a run log pairs the log's readings with its timeline on the worker
// too.
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>

#include "batch/batchrequest.h"
#include "batch/batchresult.h"
#include "batch/logpairing.h"
#include "runtime/numconv.h"
#include "ui/study/debouncedworker.h"
#include "ui/study/runprogress.h"

namespace colmara {

// What a run gave: its result, or why it did not run through.
struct BatchOutcome {
    std::optional<BatchResult> result;
    std::string error;  // set when `result` is absent
    StrengthUnit unit = StrengthUnit::Weight;
    std::optional<LogPairs> log;  // with `result`, when asked with a log
};

class BatchRunner : public QObject {
    Q_OBJECT

  public:
    static constexpr int kDebounceMs = 80;

    explicit BatchRunner(QObject* parent = nullptr);
    // Cancels the run in hand and joins the worker.
    ~BatchRunner() override;

    // Asks for the run of `request` once the debounce has passed without a
    // newer request; cancels the run in hand at once. The run also stops
    // when the request's own `cancelled` says so. With `log`, the outcome
    // pairs its readings with the run's timeline.
    void Request(BatchRequest request, const FormatSettings& settings,
                 std::shared_ptr<const RunLog> log = nullptr);
    // Drops the pending request and cancels the run in hand: nothing is
    // delivered until the next request's outcome.
    void Cancel();
    // Hands the pending request to the worker now (tests, benchmarks).
    void Flush();

    QTimer& Debounce() { return jobs_.Debounce(); }
    // True from a request until its outcome (or a newer one) is delivered.
    bool Busy() const { return jobs_.Busy(); }

  signals:
    void Finished(const colmara::BatchOutcome& outcome);
    // The share of the newest request's run done so far, 0 to 1; not sent
    // more often than the GUI thread takes it.
    void Progressed(double share);

  private slots:
    // On the GUI thread: takes the worker's newest outcome and delivers it.
    void TakeFinished();
    // On the GUI thread: sends the newest run's progress.
    void TakeProgress();

  private:
    struct Job {
        std::uint64_t id = 0;
        BatchRequest request;
        FormatSettings settings;
        std::shared_ptr<const RunLog> log;
    };
    struct Finish {
        std::uint64_t id = 0;
        BatchOutcome outcome;
    };
    std::optional<Finish> Work(Job& job, std::stop_token stop);

    std::uint64_t latest_ = 0;  // the newest request's id
    RunProgress progress_{this, "TakeProgress"};

    // Last: its worker is joined before the members its jobs use are gone.
    DebouncedWorker<Job, Finish> jobs_{
        this, "TakeFinished", kDebounceMs,
        [this](Job& job, std::stop_token stop) { return Work(job, std::move(stop)); }};
};

}  // namespace colmara
