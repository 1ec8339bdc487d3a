// Speed of the sweep panel on the offscreen platform: a 100-value sweep at
// 100 plates from "Run" to its last row shown, and the longest the event
// loop waited meanwhile, measured by a 1 ms timer recording the gaps
// between its firings; and one repaint of the panel's chart and table.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QTableView>

#include "benchapplication.h"
#include "eventloopgaps.h"
#include "ui/chart/chartview.h"
#include "ui/study/sweeppanel.h"

namespace colmara {
namespace {

// A shown panel set to sweep reflux from 1 to 100 at 100 plates.
struct ShownPanel {
    FormatSettings settings;
    SweepPanel panel{settings};

    ShownPanel() {
        panel.SetThreads(2);
        panel.resize(900, 700);
        panel.show();
        panel.ShowCase(StudyCase{{"1000", "1", "100", "15"}, StrengthUnit::Weight, {}});
        for (QLineEdit* edit : panel.findChildren<QLineEdit*>()) {
            const QString name = edit->accessibleName();
            edit->setText(name == "From" ? "1" : name == "To" ? "100" : "1");
        }
        QApplication::processEvents();
    }
};

void BM_SweepOf100ValuesAt100Plates(benchmark::State& state) {
    BenchApplication();
    ShownPanel shown;
    SweepPanel& panel = shown.panel;
    EventLoopGaps gaps;
    for (auto _ : state) {
        QEventLoop loop;
        GapMeter meter(gaps, [&] {
            if (!panel.Running()) loop.quit();
        });
        panel.Run();
        meter.Start();
        loop.exec();
    }
    if (panel.TableCsv().empty() || !panel.Message().isEmpty()) state.SkipWithError("no rows");
    gaps.Report(state);
}
BENCHMARK(BM_SweepOf100ValuesAt100Plates)->Unit(benchmark::kMillisecond)->UseRealTime();

// What one drain of rows costs the GUI thread at most: a repaint of the
// chart (0) or the table (1) holding the whole sweep.
void BM_RepaintAfterSweep(benchmark::State& state) {
    BenchApplication();
    ShownPanel shown;
    SweepPanel& panel = shown.panel;
    panel.Run();
    while (panel.Running()) QApplication::processEvents();
    ChartView* chart = panel.ExportChart();
    QWidget* table = panel.findChild<QTableView*>()->viewport();
    for (auto _ : state) {
        if (state.range(0) == 0) {
            chart->Chart().Invalidate();
            chart->repaint();
        } else {
            table->repaint();
        }
    }
}
BENCHMARK(BM_RepaintAfterSweep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace colmara
