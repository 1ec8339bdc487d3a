// Full paints of charts, layout and drawing with QPainter into an offscreen
// image: the main window's strength chart and a column profile of XY
// series; and the profile written as SVG.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include "chart/chart.h"
#include "ui/chart/chartexport.h"
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

// A column profile of state.range(0) plates: two strengths on the left axis
// (one dashed with marks), temperature on the right, titles on the axes
// and a legend of series.
void FillProfile(colmara::TChart& chart, int plates) {
    using colmara::TXYLineSeries;
    chart.Legend.Style = colmara::LegendStyle::lsSeries;
    chart.BottomAxis().Title = "Plate";
    chart.LeftAxis().Title = "Strength, %";
    chart.RightAxis().Title = "Temperature, °C";
    auto& vapour = chart.AddSeries(std::make_unique<TXYLineSeries>());
    auto& liquid = chart.AddSeries(std::make_unique<TXYLineSeries>());
    auto& temperature = chart.AddSeries(std::make_unique<TXYLineSeries>());
    vapour.Title = "Vapour";
    liquid.Title = "Liquid";
    liquid.LinePen.Style = colmara::PenStyle::psDash;
    liquid.Marker.Visible = true;
    temperature.Title = "Temperature";
    temperature.SetAxes(&chart.BottomAxis(), &chart.RightAxis());
    chart.BottomAxis().SetMinMax(0, plates);
    for (int i = 0; i <= plates; ++i) {
        const double share = static_cast<double>(i) / plates;
        vapour.AddXY(i, 10.0 + 80.0 * share * (2.0 - share));
        liquid.AddXY(i, 2.0 + 85.0 * share * share);
        temperature.AddXY(i, 100.0 - 21.0 * share);
    }
}

void BM_ProfileChartPaint(benchmark::State& state) {
    EnsureGuiApplication();
    const colmara::FormatSettings settings;
    colmara::TChart chart(settings);
    FillProfile(chart, static_cast<int>(state.range(0)));
    QImage image(640, 420, QImage::Format_RGB32);
    const QPalette palette;
    for (auto _ : state) {
        QPainter painter(&image);
        colmara::QtChartCanvas canvas(painter, palette);
        chart.Paint(canvas, {0, 0, 640, 420});
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ProfileChartPaint)->Arg(20)->Arg(100)->Unit(benchmark::kMicrosecond);

void BM_ProfileChartSvg(benchmark::State& state) {
    EnsureGuiApplication();
    const colmara::FormatSettings settings;
    colmara::TChart chart(settings);
    FillProfile(chart, 100);
    for (auto _ : state) {
        const QByteArray svg = colmara::ChartSvg(chart, QSize(640, 420), "Profile");
        benchmark::DoNotOptimize(svg.constData());
    }
}
BENCHMARK(BM_ProfileChartSvg)->Unit(benchmark::kMicrosecond);

}  // namespace
