// One worker thread that only ever runs the newest job handed to it: a job
// handed over while an earlier one still waits replaces it, and the worker
// takes the next job when it has finished the one in hand. The thread has
// the program's floating-point set-up, since the solver's numbers depend on
// the unit's precision and rounding. The owner's GUI thread never waits on
// a job: Post only swaps the waiting one.
//
// A job's result goes into an outbox under the worker's own mutex, and only
// then is the owner told, by `ready` on the worker thread; the owner takes
// the result with Take on its own thread. The result thus never travels
// inside Qt's event queue, whose locks the thread sanitizer cannot see, so
// every hand-over of data is one it checks.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include "runtime/fpcheck.h"

namespace colmara {

template <class Job, class Result>
class LatestJobWorker {
  public:
    // `work` runs on the worker thread, one job at a time, and returns the
    // job's result or nothing (a cancelled job). `ready` is called on the
    // worker thread once a result waits in the outbox.
    LatestJobWorker(std::function<std::optional<Result>(Job&)> work, std::function<void()> ready)
        : work_(std::move(work)), ready_(std::move(ready)), thread_([this] { Run(); }) {}

    // Drops the waiting job, lets the one in hand finish and joins.
    ~LatestJobWorker() {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
            queued_.reset();
        }
        wake_.notify_one();
        thread_.join();
    }

    LatestJobWorker(const LatestJobWorker&) = delete;
    LatestJobWorker& operator=(const LatestJobWorker&) = delete;

    void Post(Job job) {
        {
            std::lock_guard lock(mutex_);
            queued_ = std::move(job);
        }
        wake_.notify_one();
    }

    // The newest result not yet taken, if any. A result that a newer one
    // replaced before it was taken is gone: the newer job overtook it.
    std::optional<Result> Take() {
        std::lock_guard lock(mutex_);
        return std::exchange(outbox_, std::nullopt);
    }

  private:
    void Run() {
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
            std::optional<Result> result = work_(job);
            if (!result) continue;
            {
                std::lock_guard lock(mutex_);
                outbox_ = std::move(result);
            }
            ready_();
        }
    }

    std::function<std::optional<Result>(Job&)> work_;
    std::function<void()> ready_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Job> queued_;     // guarded: the newest job not yet taken
    std::optional<Result> outbox_;  // guarded: the newest result not yet taken
    bool stop_ = false;             // guarded
    std::thread thread_;            // last, so it starts once the rest is made
};

}  // namespace colmara
