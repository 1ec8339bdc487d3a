// Speed of the McCabe-Thiele panel on the offscreen platform: a new case
// filled into the chart and the chart rendered, at 20 and 100 plates; with
// and without solving the case first; and a change of the plate efficiency
// solved, shown with its pseudo-equilibrium curve and rendered.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <array>
#include <string>

#include "benchapplication.h"
#include "ui/chart/chartview.h"
#include "ui/study/mccabepanel.h"

namespace colmara {
namespace {

// Two cases of the same plate count that alternate, so every iteration
// shows a case the chart did not hold.
std::array<StudyCase, 2> Cases(int plates, const FormatSettings& settings) {
    std::array<StudyCase, 2> cases;
    const char* boilers[] = {"10", "12"};
    for (std::size_t i = 0; i < cases.size(); ++i) {
        cases[i].typed = {"1000", boilers[i], std::to_string(plates), "3"};
        cases[i].profile = ProfileCase(cases[i].typed, settings);
    }
    return cases;
}

void ShowAndRender(McCabePanel& panel, const StudyCase& study, QImage& image) {
    panel.ShowCase(study);
    QPainter painter(&image);
    benchmark::DoNotOptimize(panel.ExportChart()->Render(painter, image.rect()));
}

// Each iteration solves the next of `cases` in turn, as an input change
// does, shows it and renders the chart.
void SolveShowAndRender(benchmark::State& state, std::array<StudyCase, 2> cases,
                        const FormatSettings& settings) {
    McCabePanel panel(settings);
    QImage image(720, 560, QImage::Format_RGB32);
    std::size_t next = 0;
    for (auto _ : state) {
        StudyCase& study = cases[next++ % cases.size()];
        study.profile = ProfileCase(study.typed, settings);
        ShowAndRender(panel, study, image);
    }
}

void BM_McCabeNewCaseToRenderedChart(benchmark::State& state) {
    BenchApplication();
    const FormatSettings settings;
    const auto cases = Cases(static_cast<int>(state.range(0)), settings);
    McCabePanel panel(settings);
    QImage image(720, 560, QImage::Format_RGB32);
    std::size_t next = 0;
    for (auto _ : state) ShowAndRender(panel, cases[next++ % cases.size()], image);
}
BENCHMARK(BM_McCabeNewCaseToRenderedChart)->Arg(20)->Arg(100)->Unit(benchmark::kMillisecond);

// The same with the case solved inside the timing, as an input change does.
void BM_McCabeSolveShowAndRender(benchmark::State& state) {
    BenchApplication();
    const FormatSettings settings;
    SolveShowAndRender(state, Cases(static_cast<int>(state.range(0)), settings), settings);
}
BENCHMARK(BM_McCabeSolveShowAndRender)->Arg(20)->Arg(100)->Unit(benchmark::kMillisecond);

// A change of the efficiency as the window makes it: the case solved at the
// new efficiency (alternating between two below 100 %), the diagram with its
// pseudo-equilibrium curve filled in and the chart rendered.
void BM_McCabeEfficiencyChangeToRenderedChart(benchmark::State& state) {
    BenchApplication();
    const FormatSettings settings;
    std::array<StudyCase, 2> cases;
    const char* efficiencies[] = {"70", "75"};
    for (std::size_t i = 0; i < cases.size(); ++i)
        cases[i].typed = {"1000", "10", std::to_string(state.range(0)), "3", efficiencies[i]};
    SolveShowAndRender(state, cases, settings);
}
BENCHMARK(BM_McCabeEfficiencyChangeToRenderedChart)->Arg(20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace colmara
