// The owner's side of a LatestJobWorker: each request gets the next number
// and waits, the newest only, until the owner hands it over with Flush (a
// window does so once its typing has paused). A new request makes every
// earlier one stale at once: the one still waiting is replaced, the one
// queued is dropped and the one in hand is asked to stop. A result is
// current only when no request has been made since its own, so an owner
// that delivers what TakeCurrent returns never shows an older result than
// the newest request's. Jobs and results carry their request's number as
// `id`.
//
// Every call but the work's comes from the owner's one thread. No Qt here.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

#include "study/latestjobworker.h"

namespace colmara {

template <class Job, class Result>
class NewestRequest {
  public:
    using Work = typename LatestJobWorker<Job, Result>::Work;

    // `ready` is called on the worker thread when a result waits for
    // TakeCurrent.
    NewestRequest(Work work, std::function<void()> ready)
        : worker_(std::move(work), std::move(ready)) {}

    // Numbers `job` and keeps it until Flush; stops everything older.
    // Returns its number.
    std::uint64_t Request(Job job) {
        job.id = ++latest_;
        pending_ = std::move(job);
        worker_.Drop();
        return latest_;
    }

    // Hands the waiting request to the worker.
    void Flush() {
        if (pending_) worker_.Post(*std::exchange(pending_, std::nullopt));
    }

    // Drops the waiting request, stops the one in hand and makes every
    // result made so far stale. Returns the number no result will carry.
    std::uint64_t Cancel() {
        pending_.reset();
        worker_.Drop();
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

    // True from a request until its result (or a newer one) is delivered.
    bool Busy() const { return latest_ != delivered_; }
    // A request not yet handed to the worker.
    bool Waiting() const { return pending_.has_value(); }

  private:
    std::optional<Job> pending_;
    std::uint64_t latest_ = 0;     // the newest request
    std::uint64_t delivered_ = 0;  // the newest delivered
    // Last: joined before the members above are gone.
    LatestJobWorker<Job, Result> worker_;
};

}  // namespace colmara
