// The GUI thread's side of a LatestJobWorker: each request gets the next
// number and waits out a short debounce, restarted by every newer request;
// then the newest goes to the worker. A result is current only when no
// newer request has been made since its own, so an owner that delivers
// what TakeCurrent returns never shows an older result than the newest
// request's. Jobs and results carry their request's number as `id`.
//
// The owner is a QObject with a slot `takeSlot` (no arguments) that calls
// TakeCurrent: the worker wakes it through its event loop.
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

#include "ui/study/guiwakeup.h"
#include "ui/study/latestjobworker.h"

namespace colmara {

template <class Job, class Result>
class DebouncedWorker {
  public:
    DebouncedWorker(QObject* owner, const char* takeSlot, int debounceMs,
                    std::function<std::optional<Result>(Job&)> work)
        : worker_(std::move(work), [owner, takeSlot] { WakeOnGuiThread(owner, takeSlot); }) {
        debounce_.setSingleShot(true);
        debounce_.setInterval(debounceMs);
        QObject::connect(&debounce_, &QTimer::timeout, owner, [this] { Flush(); });
    }

    // Numbers `job` and holds it until the debounce has passed without a
    // newer request. Returns its number.
    std::uint64_t Request(Job job) {
        job.id = ++latest_;
        pending_ = std::move(job);
        debounce_.start();
        return latest_;
    }

    // Hands the waiting request to the worker now.
    void Flush() {
        debounce_.stop();
        if (pending_) worker_.Post(*std::exchange(pending_, std::nullopt));
    }

    // Drops the waiting request, and makes every result made so far stale.
    // Returns the number no result will carry.
    std::uint64_t Cancel() {
        debounce_.stop();
        pending_.reset();
        delivered_ = ++latest_;
        return latest_;
    }

    // The worker's newest result when it answers the newest request; then
    // that request counts as delivered.
    std::optional<Result> TakeCurrent() {
        std::optional<Result> result = worker_.Take();
        if (!result || result->id != latest_) return std::nullopt;
        delivered_ = result->id;
        return result;
    }

    QTimer& Debounce() { return debounce_; }
    // True from a request until its result (or a newer one) is delivered.
    bool Busy() const { return latest_ != delivered_; }

  private:
    QTimer debounce_;
    std::optional<Job> pending_;
    std::uint64_t latest_ = 0;     // the newest request
    std::uint64_t delivered_ = 0;  // the newest delivered
    // Last: joined before the members its jobs use are gone.
    LatestJobWorker<Job, Result> worker_;
};

}  // namespace colmara
