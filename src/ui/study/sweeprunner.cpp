#include "ui/study/sweeprunner.h"

#include <exception>
#include <mutex>

#include "study/sweep.h"

namespace colmara {

namespace {

// Half a frame: rows reach the screen promptly, and one drain never holds
// the event loop for long.
constexpr int kDrainIntervalMs = 8;

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

SweepRunner::~SweepRunner() { Stop(); }

void SweepRunner::Stop() {
    drainTimer_.stop();
    if (thread_.joinable()) {
        cancel_ = true;
        thread_.join();
    }
    handover_.reset();
}

void SweepRunner::Start(const SweepGrid& grid, const FormatSettings& settings,
                        unsigned threads) {
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

void SweepRunner::Cancel() { cancel_ = true; }

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
