// A NewestRequest on the GUI thread: each request waits out a short
// debounce, restarted by every newer request; then the newest goes to the
// worker. The numbering, the stopping of overtaken jobs and the choice of
// the current result are NewestRequest's (study/newestrequest.h); this adds
// only the timer and the wake-up.
//
// The owner is a QObject with a slot `takeSlot` (no arguments) that calls
// TakeCurrent: the worker wakes it through its event loop. The slot's name
// is checked here, in every build: a misspelt one would leave every result
// untaken without a word.
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <utility>

#include "study/newestrequest.h"
#include "ui/study/guiwakeup.h"

namespace colmara {

template <class Job, class Result>
class DebouncedWorker {
  public:
    using Work = typename NewestRequest<Job, Result>::Work;

    // Throws std::logic_error when `owner` has no slot `takeSlot`.
    DebouncedWorker(QObject* owner, const char* takeSlot, int debounceMs, Work work)
        : requests_((RequireWakeSlot(*owner, takeSlot), std::move(work)),
                    [owner, takeSlot] { WakeOnGuiThread(owner, takeSlot); }) {
        debounce_.setSingleShot(true);
        debounce_.setInterval(debounceMs);
        QObject::connect(&debounce_, &QTimer::timeout, owner, [this] { Flush(); });
    }

    // Numbers `job` and holds it until the debounce has passed without a
    // newer request; the job in hand is asked to stop. Returns its number.
    std::uint64_t Request(Job job) {
        debounce_.start();
        return requests_.Request(std::move(job));
    }

    // Hands the waiting request to the worker now.
    void Flush() {
        debounce_.stop();
        requests_.Flush();
    }

    // Drops the waiting request, stops the one in hand, and makes every
    // result made so far stale.
    std::uint64_t Cancel() {
        debounce_.stop();
        return requests_.Cancel();
    }

    std::optional<Result> TakeCurrent() { return requests_.TakeCurrent(); }

    QTimer& Debounce() { return debounce_; }
    // True from a request until its result (or a newer one) is delivered.
    bool Busy() const { return requests_.Busy(); }

  private:
    QTimer debounce_;
    // Last: its worker is joined before the timer goes.
    NewestRequest<Job, Result> requests_;
};

}  // namespace colmara
