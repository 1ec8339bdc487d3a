// Speed of the batch tab on the offscreen platform: a keystroke in the
// charge field at 20 plates to the chart painted with the new run (the
// debounce included, as the user waits for it), and the longest the event
// loop waited meanwhile, measured by a 1 ms timer recording the gaps between
// its firings.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>

#include "benchapplication.h"
#include "eventloopgaps.h"
#include "study/plateprofile.h"
#include "ui/chart/chartview.h"
#include "ui/study/batchrunpanel.h"

namespace colmara {
namespace {

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
    EventLoopGaps gaps;
    int round = 0;
    for (auto _ : state) {
        QEventLoop loop;
        PaintAfterRun painted(panel, loop);
        GapMeter meter(gaps);
        charge.setFocus();
        charge.end(false);
        // One keystroke: alternately a digit more and one fewer.
        const bool digit = ++round % 2 != 0;
        QKeyEvent key(QEvent::KeyPress, digit ? Qt::Key_5 : Qt::Key_Backspace, Qt::NoModifier,
                      digit ? QStringLiteral("5") : QString());
        QApplication::sendEvent(&charge, &key);
        meter.Start();
        loop.exec();
    }
    if (!panel.RunCurrent()) state.SkipWithError(panel.Summary().toStdString().c_str());
    gaps.Report(state);
}
BENCHMARK(BM_ChargeChangeToRedrawnChartAt20Plates)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace colmara
