// Runs every row of a sweep grid on worker threads and hands the rows to the
// caller in grid order, whatever the number of threads.
#pragma once

#include <atomic>
#include <cstdint>

#include "study/sweepgrid.h"
#include "study/sweeprow.h"

namespace colmara {

struct SweepControl {
    // Worker threads; 0 takes std::thread::hardware_concurrency.
    unsigned threads = 0;
    // When set (from any thread, a signal handler included), no row is
    // delivered after the one being delivered; rows delivered are whole.
    const std::atomic<bool>* cancel = nullptr;
    ProgressCallback progress;
};

struct SweepOutcome {
    std::uint64_t delivered = 0;
    bool cancelled = false;  // stopped before the last row
};

// Solves every row of `grid` and calls `onRow` with each in grid order. Each
// worker owns one column and sets up its floating-point unit as the program
// does; workers share only the immutable grid and settings (copied at the
// start, so a change of the process's settings cannot reach a running
// sweep). `onRow` and the progress callback run on worker threads, one call
// at a time, never two at once. An exception thrown by a callback stops the
// sweep and is rethrown here once every worker has ended.
SweepOutcome RunSweep(const SweepGrid& grid, const FormatSettings& settings,
                      const RowCallback& onRow, const SweepControl& control = {});

}  // namespace colmara
