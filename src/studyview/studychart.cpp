#include "studyview/studychart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace colmara {

void SetUpStudyChart(TChart& chart, const std::string& title) {
    chart.Color = clWhite;
    chart.BevelOuter = BevelCut::bvNone;
    chart.Title.Text = {title};
    chart.Legend.Style = LegendStyle::lsSeries;
    // A right axis brings its own grid; the left axis' grid is enough.
    chart.RightAxis().Grid.Visible = false;
}

TXYLineSeries& AddSeries(TChart& chart, const std::string& title, ColorValue color) {
    auto& series = chart.AddSeries(std::make_unique<TXYLineSeries>());
    series.Title = title;
    series.SeriesColor = color;
    return series;
}

TXYLineSeries& AddLine(TChart& chart, const std::string& title, ColorValue color, PenStyle style) {
    auto& series = AddSeries(chart, title, color);
    series.LinePen.Width = 2;
    series.LinePen.Style = style;
    return series;
}

double LabelStep(double span) {
    // 1, 2, 5 times a power of ten: the smallest giving at most ten steps.
    const double decade = std::pow(10.0, std::floor(std::log10(span / 10)));
    for (double factor : {1.0, 2.0, 5.0})
        if (span / (factor * decade) <= 10) return factor * decade;
    return 10 * decade;
}

void SetAxisRange(TChartAxis& axis, double minimum, double maximum) {
    if (maximum <= minimum) maximum = minimum + 1;
    axis.SetMinMax(minimum, maximum);
    axis.Increment = LabelStep(maximum - minimum);
}

void SetPlateRange(TChartAxis& axis, int top) {
    SetAxisRange(axis, 0, std::max(top, 1));
    axis.Increment = std::max(axis.Increment, 1.0);
    axis.WholeNumbers = true;
}

void SetStrengthRange(TChartAxis& axis, const std::vector<double>& values) {
    double low = 0, high = 100;
    for (double v : values) {
        if (!std::isfinite(v)) continue;
        low = std::min(low, std::floor(v));
        high = std::max(high, std::ceil(v));
    }
    SetAxisRange(axis, low, high);
}

std::string StrengthAxisUnit(StrengthUnit unit) {
    return unit == StrengthUnit::Weight ? "% by weight" : StrengthUnitSymbol(unit);
}

std::string StrengthAxisTitle(StrengthUnit unit) {
    return "Strength, " + StrengthAxisUnit(unit);
}

std::string StrengthUnitName(StrengthUnit unit) {
    return unit == StrengthUnit::Mole ? "% mol" : std::string("% by ") + StrengthUnitKey(unit);
}

ColorValue CurveColor(ColorValue own, bool current) {
    return current ? own : clSilver;
}

std::string ReadoutNumber(double value, const FormatSettings& settings) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    std::string text = buffer;
    if (auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, settings.decimalSeparator);
    return text;
}

}  // namespace colmara
