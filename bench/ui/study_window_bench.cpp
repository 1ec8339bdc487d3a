// Speed of the study window on the offscreen platform: opening it up to its
// first painted case, and an input change up to the repainted charts of the
// visible tab (debounce skipped: solve on the worker, fill, render).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "benchapplication.h"
#include "runtime/numconv.h"
#include "ui/chart/chartview.h"
#include "ui/study/studypanel.h"
#include "ui/study/studywindow.h"

namespace colmara {
namespace {

// Solves the pending request now and waits on the event loop for its case.
void SolveNow(StudyWindow& window) {
    window.Solver().Flush();
    while (window.Solver().Busy()) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

void RepaintVisibleChart(StudyWindow& window) {
    if (ChartView* chart = window.CurrentPanel().ExportChart()) chart->repaint();
}

void BM_OpenStudyWindowToFirstPaintedCase(benchmark::State& state) {
    BenchApplication();
    const FormatSettings settings;
    for (auto _ : state) {
        StudyWindow window(settings);
        window.show();
        SolveNow(window);
        RepaintVisibleChart(window);
    }
}
BENCHMARK(BM_OpenStudyWindowToFirstPaintedCase)->Unit(benchmark::kMillisecond);

void BM_InputChangeToRepaintedCharts(benchmark::State& state) {
    BenchApplication();
    const FormatSettings settings;
    StudyWindow window(settings);
    window.StartWith({"2000", "10", std::to_string(state.range(0)), "3"});
    window.show();
    SolveNow(window);
    RepaintVisibleChart(window);
    NumberField& reflux = window.Inputs().Field(Input::Reflux);
    bool odd = false;
    for (auto _ : state) {
        odd = !odd;
        reflux.SetText(odd ? "3.5" : "3");
        SolveNow(window);
        RepaintVisibleChart(window);
    }
    // The rows drawn, so a failing case cannot pass for a fast one.
    state.counters["rows"] = static_cast<double>(window.Shown().profile.plates.size());
}
BENCHMARK(BM_InputChangeToRepaintedCharts)->Arg(20)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace colmara
