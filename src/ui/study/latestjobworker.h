// One worker thread that only ever runs the newest job handed to it: a job
// handed over while an earlier one still waits replaces it, and the worker
// takes the next job when it has finished the one in hand. The thread has
// the program's floating-point set-up, since the solver's numbers depend on
// the unit's precision and rounding. The owner's GUI thread never waits on
// a job: Post only swaps the waiting one.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "runtime/fpcheck.h"

namespace colmara {

template <class Job>
class LatestJobWorker {
  public:
    // `work` runs on the worker thread, one job at a time.
    explicit LatestJobWorker(std::function<void(Job&)> work)
        : work_(std::move(work)), thread_([this] { Run(); }) {}

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
            work_(job);
        }
    }

    std::function<void(Job&)> work_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Job> queued_;  // guarded: the newest job not yet taken
    bool stop_ = false;          // guarded
    std::thread thread_;         // last, so it starts once the rest is made
};

}  // namespace colmara
