// How long the GUI thread's event loop goes without turning while a
// benchmark waits on it: a precise 1 ms timer on that thread records the
// gaps between its firings, and a gap longer than a 60 Hz frame is one the
// user could see.
#pragma once

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <algorithm>
#include <functional>

namespace colmara {

// The gaps of every round of a benchmark, reported as its counters.
struct EventLoopGaps {
    static constexpr double kFrameMs = 16;

    double longestMs = 0;
    double count = 0;
    double overFrame = 0;

    void Report(benchmark::State& state) const {
        state.counters["longest_gap_ms"] = longestMs;
        state.counters["gaps_over_16ms_share"] = count > 0 ? overFrame / count : 0;
    }
};

// One round's timer: adds to `gaps` from Start until it is destroyed, and
// calls `onTick` after each firing (to end the round, say).
class GapMeter {
  public:
    explicit GapMeter(EventLoopGaps& gaps, std::function<void()> onTick = {}) {
        tick_.setTimerType(Qt::PreciseTimer);
        tick_.setInterval(1);
        QObject::connect(&tick_, &QTimer::timeout, [this, &gaps, onTick = std::move(onTick)] {
            const qint64 now = clock_.nsecsElapsed();
            const double gapMs = static_cast<double>(now - last_) / 1e6;
            gaps.longestMs = std::max(gaps.longestMs, gapMs);
            gaps.count += 1;
            gaps.overFrame += gapMs > EventLoopGaps::kFrameMs ? 1 : 0;
            last_ = now;
            if (onTick) onTick();
        });
        clock_.start();
    }

    // The first gap starts now.
    void Start() {
        last_ = clock_.nsecsElapsed();
        tick_.start();
    }

  private:
    QTimer tick_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
};

}  // namespace colmara
