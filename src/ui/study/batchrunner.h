// The batch tab's runs, off the GUI thread: each request restarts a short
// debounce; then the newest request runs on a worker thread of its own and
// its outcome is delivered on the GUI thread. A newer request cancels the
// run in hand at its next moment (a strength-policy run takes seconds), and
// an outcome a newer request has overtaken is dropped, so the GUI thread
// never waits and never shows an older run.
#pragma once

#include <QObject>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "batch/batchrequest.h"
#include "batch/batchresult.h"
#include "runtime/numconv.h"
#include "ui/study/debouncedworker.h"

namespace colmara {

// What a run gave: its result, or why it did not run through.
struct BatchOutcome {
    std::optional<BatchResult> result;
    std::string error;  // set when `result` is absent
    StrengthUnit unit = StrengthUnit::Weight;
};

class BatchRunner : public QObject {
    Q_OBJECT

  public:
    static constexpr int kDebounceMs = 80;

    explicit BatchRunner(QObject* parent = nullptr);
    // Cancels the run in hand and joins the worker.
    ~BatchRunner() override;

    // Asks for the run of `request` once the debounce has passed without a
    // newer request; cancels the run in hand at once.
    void Request(BatchRequest request, const FormatSettings& settings);
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

  private slots:
    // On the GUI thread: takes the worker's newest outcome and delivers it.
    void TakeFinished();

  private:
    struct Job {
        std::uint64_t id = 0;
        BatchRequest request;
        FormatSettings settings;
    };
    struct Finish {
        std::uint64_t id = 0;
        BatchOutcome outcome;
    };
    std::optional<Finish> Work(Job& job);

    // The newest request's id, read by the running job to know it is stale.
    std::atomic<std::uint64_t> wanted_{0};

    // Last: its worker is joined before the members its jobs use are gone.
    DebouncedWorker<Job, Finish> jobs_{this, "TakeFinished", kDebounceMs,
                                       [this](Job& job) { return Work(job); }};
};

}  // namespace colmara
