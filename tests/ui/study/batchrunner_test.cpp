// The batch tab's runner without the tab: a newer request stops the run in
// hand at its next moment (the run is held mid-way by its own hook, so the
// moment is known), the stopped run delivers nothing, and a worker whose
// owner names no wake-up slot is refused where it is made.
#include "ui/study/batchrunner.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <atomic>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <stop_token>
#include <thread>

#include "batch/batchform.h"
#include "ui/study/debouncedworker.h"

namespace colmara {
namespace {

const FormatSettings kPoint;

// The tab's default run of the window's default inputs, `charge` ml.
BatchRequest DefaultRun(const char* charge) {
    BatchTexts texts;
    texts.charge = charge;
    return BatchRequestOf(texts, {"1000", "10", "10", "3"}, StrengthUnit::Weight, kPoint);
}

TEST(BatchRunner, ANewerRequestStopsTheRunInHandAtItsNextMoment) {
    BatchRunner runner;
    QSignalSpy finished(&runner, &BatchRunner::Finished);
    // The run asks its hook before each moment; the third time, the hook
    // holds the run until the test has made a newer request.
    std::atomic<int> asked{0};
    std::atomic<bool> held{false}, release{false};
    BatchRequest slow = DefaultRun("20000");
    slow.cancelled = [&] {
        if (++asked == 3) {
            held = true;
            while (!release) std::this_thread::yield();
        }
        return false;
    };
    runner.Request(slow, kPoint);
    runner.Flush();
    ASSERT_TRUE(QTest::qWaitFor([&] { return held.load(); }, 60000));
    runner.Request(DefaultRun("500"), kPoint);
    release = true;
    runner.Flush();
    ASSERT_TRUE(finished.wait(60000));
    // The held check saw the stop on its way out: no moment was solved
    // after it, and the run was asked nothing more.
    EXPECT_EQ(asked, 3);
    ASSERT_EQ(finished.count(), 1);
    const auto outcome = finished.at(0).at(0).value<BatchOutcome>();
    ASSERT_TRUE(outcome.result) << outcome.error;
    EXPECT_FALSE(runner.Busy());
}

// A QObject with no slot of the name given: the results would never be
// taken, so the worker refuses to be made, in every build.
TEST(DebouncedWorker, RefusesAnOwnerWithoutTheNamedSlot) {
    struct Job {
        std::uint64_t id = 0;
    };
    QObject owner;
    const auto work = [](Job& job, std::stop_token) { return std::optional(job); };
    EXPECT_THROW((DebouncedWorker<Job, Job>(&owner, "TakeNothing", 10, work)), std::logic_error);
    BatchRunner runner;  // names its own slots, which exist
    EXPECT_FALSE(runner.Busy());
}

}  // namespace
}  // namespace colmara
