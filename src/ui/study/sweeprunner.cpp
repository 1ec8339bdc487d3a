#include "ui/study/sweeprunner.h"

#include <exception>
#include <mutex>

#include "study/sweep.h"

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace colmara {

namespace {

// One frame of a 60 Hz screen: rows show as fast as the eye can follow, and
// the chart and table repaint at most once a frame, leaving the cores to
// the workers. One drain holds the event loop for a repaint's time only.
constexpr int kDrainIntervalMs = 16;

// Lowers the calling thread's priority, and so that of the workers it
// starts (a new thread inherits it), so that the GUI thread wins a core
// whenever it has an event to handle while the workers keep every core busy.
void YieldToTheGuiThread() {
#ifdef __linux__
    constexpr int kNiceIncrement = 5;
    const auto self = static_cast<id_t>(gettid());
    setpriority(PRIO_PROCESS, self, getpriority(PRIO_PROCESS, self) + kNiceIncrement);
#endif
}

}  // namespace

struct SweepRunner::Handover {
    std::mutex mutex;
    std::vector<SweepRow> rows;
    std::uint64_t done = 0;
    std::uint64_t total = 0;
    bool ended = false;
    bool cancelled = false;
    std::string error;
};

SweepRunner::SweepRunner(QObject* parent) : QObject(parent) {
    drainTimer_.setInterval(kDrainIntervalMs);
    connect(&drainTimer_, &QTimer::timeout, this, &SweepRunner::Drain);
}

SweepRunner::~SweepRunner() {
    Stop();
}

void SweepRunner::Stop() {
    drainTimer_.stop();
    if (thread_.joinable()) {
        cancel_ = true;
        thread_.join();
    }
    handover_.reset();
}

void SweepRunner::Start(const SweepGrid& grid, const FormatSettings& settings, unsigned threads) {
    Stop();
    cancel_ = false;
    auto handover = std::make_shared<Handover>();
    handover->total = grid.RowCount();
    handover_ = handover;
    thread_ = std::thread([grid, settings, threads, handover, this] {
        const auto onRow = [&handover](const SweepRow& row) {
            const std::lock_guard lock(handover->mutex);
            handover->rows.push_back(row);
            ++handover->done;
        };
        YieldToTheGuiThread();
        SweepOutcome outcome;
        std::string error;
        try {
            outcome = RunSweep(grid, settings, onRow, SweepControl{threads, &cancel_, {}});
        } catch (const std::exception& e) {
            error = e.what();
        } catch (...) {
            error = "the sweep failed";
        }
        const std::lock_guard lock(handover->mutex);
        handover->ended = true;
        handover->cancelled = outcome.cancelled || !error.empty();
        handover->error = std::move(error);
    });
    drainTimer_.start();
}

void SweepRunner::Cancel() {
    cancel_ = true;
}

void SweepRunner::Drain() {
    // A receiver may start another sweep, which replaces the handover.
    const std::shared_ptr<Handover> handover = handover_;
    if (!handover) return;
    std::vector<SweepRow> rows;
    std::uint64_t done = 0;
    bool ended = false;
    {
        // The thread marks the end after its last row, so a batch taken
        // with the end holds every row.
        const std::lock_guard lock(handover->mutex);
        rows.swap(handover->rows);
        done = handover->done;
        ended = handover->ended;
    }
    if (!rows.empty()) {
        emit RowsArrived(rows);
        if (handover_ != handover) return;
        emit Progressed(done, handover->total);
    }
    if (!ended || handover_ != handover) return;
    Stop();
    emit Finished(handover->cancelled, QString::fromStdString(handover->error));
}

}  // namespace colmara
