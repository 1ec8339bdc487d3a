// Speed of the batch tab on the offscreen platform: a keystroke in the
// charge field at 20 plates to the chart painted with the new run (the
// debounce included, as the user waits for it), and the longest the event
// loop waited meanwhile, measured by a 1 ms timer recording the gaps between
// its firings.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>

#include "benchapplication.h"
#include "study/plateprofile.h"
#include "ui/chart/chartview.h"
#include "ui/study/batchrunpanel.h"

namespace colmara {
namespace {

constexpr double kFrameMs = 16;

// Quits `loop` at the chart's first paint after a run has been delivered.
class PaintAfterRun : public QObject {
  public:
    PaintAfterRun(BatchRunPanel& panel, QEventLoop& loop) : loop_(loop) {
        panel.ExportChart()->installEventFilter(this);
        connect(&panel.Runner(), &BatchRunner::Finished, this, [this] { delivered_ = true; });
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && delivered_) loop_.quit();
        return false;
    }

  private:
    QEventLoop& loop_;
    bool delivered_ = false;
};

void BM_ChargeChangeToRedrawnChartAt20Plates(benchmark::State& state) {
    BenchApplication();
    const FormatSettings settings;
    BatchRunPanel panel(settings);
    panel.resize(1000, 700);
    panel.show();
    const InputTexts typed{"1500", "10", "20", "3"};
    panel.ShowCase({typed, StrengthUnit::Weight, ProfileCase(typed, settings)});
    panel.Runner().Flush();
    while (panel.Runner().Busy()) QApplication::processEvents();
    QLineEdit& charge = panel.Field(&BatchTexts::charge);
    double longestGapMs = 0, gaps = 0, longGaps = 0;
    int round = 0;
    for (auto _ : state) {
        QEventLoop loop;
        PaintAfterRun painted(panel, loop);
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        tick.setInterval(1);
        QElapsedTimer clock;
        qint64 last = 0;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            const double gapMs = static_cast<double>(now - last) / 1e6;
            longestGapMs = std::max(longestGapMs, gapMs);
            gaps += 1;
            longGaps += gapMs > kFrameMs ? 1 : 0;
            last = now;
        });
        clock.start();
        charge.setFocus();
        charge.end(false);
        // One keystroke: alternately a digit more and one fewer.
        const bool digit = ++round % 2 != 0;
        QKeyEvent key(QEvent::KeyPress, digit ? Qt::Key_5 : Qt::Key_Backspace, Qt::NoModifier,
                      digit ? QStringLiteral("5") : QString());
        QApplication::sendEvent(&charge, &key);
        last = clock.nsecsElapsed();
        tick.start();
        loop.exec();
    }
    if (!panel.RunCurrent()) state.SkipWithError(panel.Summary().toStdString().c_str());
    state.counters["longest_gap_ms"] = longestGapMs;
    state.counters["gaps_over_16ms_share"] = gaps > 0 ? longGaps / gaps : 0;
}
BENCHMARK(BM_ChargeChangeToRedrawnChartAt20Plates)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace colmara
