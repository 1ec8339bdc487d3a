// One full paint of the strength chart: layout and drawing with QPainter
// into an offscreen image.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include "chart/chart.h"
#include "ui/chart/qtchartcanvas.h"

namespace {

void EnsureGuiApplication() {
    if (QGuiApplication::instance() != nullptr) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "chart_bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

void BM_ChartPaint101Points(benchmark::State& state) {
    EnsureGuiApplication();
    const colmara::FormatSettings settings;
    colmara::TChart chart(settings);
    colmara::THorizLineSeries& series =
        chart.AddSeries(std::make_unique<colmara::THorizLineSeries>());
    for (int i = 0; i <= 100; ++i) series.Add(10.0 + 0.66 * i + 0.001 * i * i);

    QImage image(296, 473, QImage::Format_RGB32);
    const QPalette palette;
    for (auto _ : state) {
        QPainter painter(&image);
        colmara::QtChartCanvas canvas(painter, palette);
        chart.Paint(canvas, {0, 0, 296, 473});
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ChartPaint101Points)->Unit(benchmark::kMicrosecond);

}  // namespace
