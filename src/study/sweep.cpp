#include "study/sweep.h"

#include <algorithm>
#include <thread>
#include <vector>

#include "model/column.h"
#include "runtime/fpcheck.h"
#include "study/ordereddelivery.h"

namespace colmara {

namespace {

// How far a worker may run ahead of the next row due, per worker: enough that
// an unusually slow row rarely holds the others up.
constexpr std::uint64_t kRowsAheadPerWorker = 64;

unsigned WorkerCount(unsigned requested, std::uint64_t rows) {
    const unsigned wanted = requested != 0 ? requested : std::thread::hardware_concurrency();
    return static_cast<unsigned>(std::clamp<std::uint64_t>(wanted, 1, rows));
}

struct SharedWork {
    const SweepGrid& grid;
    const FormatSettings& settings;
    const std::atomic<bool>* cancel;
    std::atomic<std::uint64_t> nextRow{0};
    OrderedDelivery& delivery;

    bool Cancelled() const { return cancel != nullptr && cancel->load(); }
};

void Work(SharedWork& work) {
    try {
        InitFloatingPoint();
        Column column;
        while (!work.delivery.Stopped() && !work.Cancelled()) {
            const std::uint64_t index = work.nextRow.fetch_add(1);
            if (index >= work.grid.RowCount() || !work.delivery.WaitForRoom(index)) return;
            SweepRow row{index, work.grid.InputsAt(index), {}, work.grid.GivenStrengthAt(index)};
            row.result = SolveCase(column, row.inputs, work.settings);
            work.delivery.Publish(std::move(row));
        }
    } catch (...) {
        work.delivery.Fail(std::current_exception());
    }
}

}  // namespace

SweepOutcome RunSweep(const SweepGrid& grid, const FormatSettings& settings,
                      const RowCallback& onRow, const SweepControl& control) {
    const FormatSettings ownSettings = settings;
    const unsigned threads = WorkerCount(control.threads, grid.RowCount());
    OrderedDelivery delivery(grid.RowCount(), kRowsAheadPerWorker * threads, onRow,
                             control.progress, control.cancel);
    SharedWork work{grid, ownSettings, control.cancel, {}, delivery};
    {
        std::vector<std::jthread> workers;
        workers.reserve(threads);
        try {
            for (unsigned i = 0; i < threads; ++i) workers.emplace_back(Work, std::ref(work));
        } catch (...) {
            delivery.Fail(std::current_exception());
        }
    }  // joins every worker
    if (const std::exception_ptr failure = delivery.Failure()) std::rethrow_exception(failure);
    const std::uint64_t delivered = delivery.Delivered();
    return SweepOutcome{delivered, delivered < grid.RowCount()};
}

}  // namespace colmara
