// A worker's progress on its way to the GUI thread: the newest share kept
// under a mutex, and at most one wake-up on its way, which carries no data,
// to the owner's slot `takeSlot`; the slot calls Take.
#pragma once

#include <QObject>
#include <cstdint>
#include <mutex>
#include <stop_token>
#include <utility>

#include "batch/batchrequest.h"
#include "ui/study/guiwakeup.h"

namespace colmara {

class RunProgress {
  public:
    RunProgress(QObject* owner, const char* takeSlot) : owner_(owner), slot_(takeSlot) {
        RequireWakeSlot(*owner, takeSlot);
    }

    // On the worker thread: keeps the share of job `id` and wakes the owner once.
    void Report(std::uint64_t id, double share) {
        {
            std::lock_guard lock(mutex_);
            id_ = id;
            share_ = share;
            if (std::exchange(woken_, true)) return;
        }
        WakeOnGuiThread(owner_, slot_);
    }

    // On the GUI thread: the job and share last reported.
    std::pair<std::uint64_t, double> Take() {
        std::lock_guard lock(mutex_);
        woken_ = false;
        return {id_, share_};
    }

  private:
    QObject* owner_;
    const char* slot_;
    std::mutex mutex_;
    std::uint64_t id_ = 0;  // guarded by mutex_
    double share_ = 0;
    bool woken_ = false;  // a Take is on its way
};

// On the worker thread: ties a batch request to job `id`. The request stops
// when the job's token asks, as well as when its own hook (asked first)
// says, and reports its share to `progress` as the job's.
inline void TieToJob(BatchRequest& request, std::uint64_t id, std::stop_token stop,
                     RunProgress& progress) {
    request.cancelled = [stop = std::move(stop), own = std::move(request.cancelled)] {
        return (own && own()) || stop.stop_requested();
    };
    request.progress = [&progress, id](double share) { progress.Report(id, share); };
}

}  // namespace colmara
