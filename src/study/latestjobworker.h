// One worker thread that only ever runs the newest job handed to it: a job
// handed over while an earlier one still waits replaces it, and the worker
// takes the next job when it has finished the one in hand. The thread has
// the program's floating-point set-up, since the solver's numbers depend on
// the unit's precision and rounding. The owner never waits on a job: Post
// and Drop only swap the waiting one and raise a flag.
//
// Each job runs with a stop token of its own. Drop (and the worker's end)
// asks the job in hand to stop; a work function that reads its token ends
// at its next check, and whatever it returns then is thrown away, since a
// job asked to stop has been overtaken.
//
// A job's result goes into an outbox under the worker's own mutex, and only
// then is the owner told, by `ready` on the worker thread; the owner takes
// the result with Take on its own thread. A result is taken once: a second
// Take finds nothing until the next result. No Qt here, so a window's
// worker and its tests share this one.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>
#include <utility>

#include "runtime/fpcheck.h"

namespace colmara {

template <class Job, class Result>
class LatestJobWorker {
  public:
    // Runs on the worker thread, one job at a time: the job's result, or
    // nothing (a job that stopped early).
    using Work = std::function<std::optional<Result>(Job&, std::stop_token)>;

    // `ready` is called on the worker thread once a result waits in the
    // outbox; it must not call back into the worker.
    LatestJobWorker(Work work, std::function<void()> ready)
        : work_(std::move(work)), ready_(std::move(ready)), thread_([this] { Run(); }) {}

    // Drops the waiting job, asks the one in hand to stop and joins.
    ~LatestJobWorker() {
        {
            std::lock_guard lock(mutex_);
            finish_ = true;
            queued_.reset();
            inHand_.request_stop();
        }
        wake_.notify_one();
        thread_.join();
    }

    LatestJobWorker(const LatestJobWorker&) = delete;
    LatestJobWorker& operator=(const LatestJobWorker&) = delete;

    // Makes `job` the one waiting, in place of any earlier one.
    void Post(Job job) {
        {
            std::lock_guard lock(mutex_);
            queued_ = std::move(job);
        }
        wake_.notify_one();
    }

    // Drops the waiting job and asks the one in hand to stop: neither gives
    // a result.
    void Drop() {
        std::lock_guard lock(mutex_);
        queued_.reset();
        inHand_.request_stop();
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
            std::stop_token stop;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [this] { return finish_ || queued_.has_value(); });
                if (finish_) return;
                job = std::move(*queued_);
                queued_.reset();
                inHand_ = std::stop_source();
                stop = inHand_.get_token();
            }
            std::optional<Result> result = work_(job, stop);
            {
                std::lock_guard lock(mutex_);
                // Asked to stop: overtaken, even if it ran to its end.
                if (!result || stop.stop_requested()) continue;
                outbox_ = std::move(result);
            }
            ready_();
        }
    }

    Work work_;
    std::function<void()> ready_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Job> queued_;     // guarded: the newest job not yet taken
    std::optional<Result> outbox_;  // guarded: the newest result not yet taken
    std::stop_source inHand_;       // guarded: the running job's
    bool finish_ = false;           // guarded
    std::thread thread_;            // last, so it starts once the rest is made
};

}  // namespace colmara
