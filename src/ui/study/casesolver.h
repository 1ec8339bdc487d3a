// Live calculation of the study window's inputs: each request restarts a
// short debounce; then the newest request is solved on a worker thread of
// its own and its case delivered on the GUI thread. The GUI thread never
// waits on a solve, and a result that a newer request has overtaken is
// dropped, so what is delivered is always the newest inputs' case.
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <stop_token>

#include "runtime/numconv.h"
#include "ui/study/debouncedworker.h"
#include "ui/study/studypanel.h"

namespace colmara {

class CaseSolver : public QObject {
    Q_OBJECT

  public:
    static constexpr int kDebounceMs = 80;

    explicit CaseSolver(QObject* parent = nullptr);

    // Asks for the case of these texts (the strength typed in `unit`), solved
    // once the debounce has passed without a newer request.
    void Request(const InputTexts& typed, StrengthUnit unit, const FormatSettings& settings);
    // Hands the pending request to the worker now, without waiting for the
    // debounce (the window's first case, tests, benchmarks).
    void Flush();

    // Waits for the debounce before a request goes to the worker.
    QTimer& Debounce() { return jobs_.Debounce(); }
    // True from a request until its case (or a newer one) is delivered.
    bool Busy() const { return jobs_.Busy(); }

  signals:
    void Solved(const colmara::StudyCase& study);

  private slots:
    // On the GUI thread: takes the worker's newest case and delivers it.
    void TakeSolved();

  private:
    struct Job {
        std::uint64_t id = 0;
        InputTexts typed;
        StrengthUnit unit = StrengthUnit::Weight;
        FormatSettings settings;
    };
    struct Solution {
        std::uint64_t id = 0;
        StudyCase study;
    };
    static Solution Solve(const Job& job);

    DebouncedWorker<Job, Solution> jobs_{
        this, "TakeSolved", kDebounceMs,
        [](Job& job, std::stop_token) { return std::optional(Solve(job)); }};
};

}  // namespace colmara
