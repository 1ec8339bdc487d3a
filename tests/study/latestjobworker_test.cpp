// The study window's worker on its own, held at will by a gate so every
// interleaving below is forced rather than hoped for: the newest waiting
// job wins, a result is taken once, a job asked to stop ends at its next
// check and gives nothing, and the worker's end stops a job that would run
// for ever.
#include "study/latestjobworker.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <stop_token>
#include <vector>

#include "study/newestrequest.h"

namespace colmara {
namespace {

// Long enough for any machine; reached only when a fault leaves a wait
// unanswered, which then fails rather than hangs.
constexpr std::chrono::seconds kLimit{30};

// Holds the worker inside a job until the test opens it or the job is
// asked to stop, and lets the test wait until the worker is there.
class Gate {
  public:
    void Arrive(const std::stop_token& stop) {
        std::unique_lock lock(mutex_);
        ++arrived_;
        changed_.notify_all();
        changed_.wait(lock, stop, [this] { return open_; });
    }
    // False when the worker has not come within the limit (a fault).
    [[nodiscard]] bool WaitForArrivals(int count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, kLimit, [&] { return arrived_ >= count; });
    }
    void Open() {
        std::lock_guard lock(mutex_);
        open_ = true;
        changed_.notify_all();
    }

  private:
    std::mutex mutex_;
    std::condition_variable_any changed_;
    int arrived_ = 0;
    bool open_ = false;
};

struct Job {
    std::uint64_t id = 0;
    int moments = 1;  // how long the job runs
    int holdAt = -1;  // the moment at which it waits at the gate
};
struct Result {
    std::uint64_t id = 0;
    int moments = 0;  // moments run
};

// What the work function saw, and a count of results made ready, both
// guarded: the work runs on the worker thread.
class Recorder {
  public:
    std::optional<Result> Work(Job& job, const std::stop_token& stop) {
        Result result{job.id, 0};
        for (; result.moments < job.moments; ++result.moments) {
            // The next moment: a stopped job ends here, and says how far it
            // got, though the worker must not hand that out.
            if (stop.stop_requested()) break;
            if (result.moments == job.holdAt) gate.Arrive(stop);
        }
        std::lock_guard lock(mutex_);
        runs_.push_back(result);
        return result;
    }
    void Ready() {
        std::lock_guard lock(mutex_);
        ++ready_;
        changed_.notify_all();
    }
    [[nodiscard]] bool WaitForReady(int count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, kLimit, [&] { return ready_ >= count; });
    }
    std::vector<Result> Runs() {
        std::lock_guard lock(mutex_);
        return runs_;
    }

    Gate gate;

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Result> runs_;
    int ready_ = 0;
};

using Worker = LatestJobWorker<Job, Result>;

Worker MakeWorker(Recorder& r) {
    return Worker([&r](Job& job, std::stop_token stop) { return r.Work(job, stop); },
                  [&r] { r.Ready(); });
}

std::vector<std::uint64_t> Ids(const std::vector<Result>& runs) {
    std::vector<std::uint64_t> ids;
    for (const Result& run : runs) ids.push_back(run.id);
    return ids;
}

TEST(LatestJobWorker, RunsOnlyTheNewestWaitingJobAndHandsEachResultOutOnce) {
    Recorder r;
    Worker worker = MakeWorker(r);
    worker.Post({1, 1, 0});
    ASSERT_TRUE(r.gate.WaitForArrivals(1));  // job 1 is in hand
    worker.Post({2, 1, -1});
    worker.Post({3, 1, -1});  // replaces job 2 before the worker is free
    r.gate.Open();
    ASSERT_TRUE(r.WaitForReady(2));
    EXPECT_EQ(Ids(r.Runs()), (std::vector<std::uint64_t>{1, 3}));

    // Job 3's result replaced job 1's, not yet taken: only the newer is there.
    const std::optional<Result> first = worker.Take();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->id, 3u);
    EXPECT_FALSE(worker.Take());  // taken once
}

TEST(LatestJobWorker, AJobAskedToStopEndsAtItsNextMomentAndGivesNothing) {
    Recorder r;
    Worker worker = MakeWorker(r);
    worker.Post({1, 1000, 3});
    ASSERT_TRUE(r.gate.WaitForArrivals(1));  // inside moment 3
    worker.Post({2, 1, -1});                 // waits behind the run in hand, which goes on
    worker.Drop();                           // drops job 2 and stops job 1, which leaves the gate
    worker.Post({4, 2, -1});                 // the worker is free again for a new job
    ASSERT_TRUE(r.WaitForReady(1));
    const std::vector<Result> runs = r.Runs();
    ASSERT_EQ(Ids(runs), (std::vector<std::uint64_t>{1, 4}));
    EXPECT_EQ(runs[0].moments, 4);  // moments 0 to 3, and the stop seen before the next
    const std::optional<Result> result = worker.Take();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->id, 4u);  // job 1's result, made after its stop, was thrown away
    EXPECT_FALSE(worker.Take());
}

TEST(LatestJobWorker, ItsEndStopsAJobThatWouldRunForEver) {
    Recorder r;
    {
        Worker worker = MakeWorker(r);
        worker.Post({1, 1 << 30, 0});
        ASSERT_TRUE(r.gate.WaitForArrivals(1));
    }  // joins: the stop lets the job through the gate, and it ends at once
    ASSERT_EQ(Ids(r.Runs()), (std::vector<std::uint64_t>{1}));
    EXPECT_EQ(r.Runs()[0].moments, 1);
}

// The owner's numbering on top: a newer request stops the older one in hand
// at once, before the debounce hands the newer over, and only the newest
// request's result is current.
TEST(NewestRequest, OnlyTheNewestRequestsResultIsCurrent) {
    Recorder r;
    NewestRequest<Job, Result> requests(
        [&r](Job& job, std::stop_token stop) { return r.Work(job, stop); }, [&r] { r.Ready(); });
    EXPECT_FALSE(requests.Busy());
    EXPECT_EQ(requests.Request({0, 1000, 2}), 1u);
    requests.Flush();
    ASSERT_TRUE(r.gate.WaitForArrivals(1));
    EXPECT_EQ(requests.Request({0, 3, -1}), 2u);  // stops request 1, waits for Flush
    EXPECT_TRUE(requests.Waiting());
    requests.Flush();
    ASSERT_TRUE(r.WaitForReady(1));
    EXPECT_EQ(r.Runs().at(0).moments, 3);  // request 1 stopped at its next moment
    EXPECT_TRUE(requests.Busy());
    const std::optional<Result> result = requests.TakeCurrent();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->id, 2u);
    EXPECT_FALSE(requests.Busy());

    // A result that answers a request since cancelled is stale.
    requests.Request({0, 1, -1});
    requests.Flush();
    ASSERT_TRUE(r.WaitForReady(2));
    requests.Cancel();
    EXPECT_FALSE(requests.TakeCurrent());
    EXPECT_FALSE(requests.Busy());
}

}  // namespace
}  // namespace colmara
