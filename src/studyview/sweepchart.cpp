#include "studyview/sweepchart.h"

#include <memory>

#include "studyview/studychart.h"

namespace colmara {

namespace {

TXYLineSeries& AddCurve(TChart& chart, const char* title, ColorValue color) {
    auto& series = AddSeries(chart, title, color);
    series.Marker = {true, MarkerStyle::msSquare, 2, true};
    return series;
}

void ScaleItself(TChartAxis& axis) {
    axis.Automatic = axis.AutomaticMinimum = axis.AutomaticMaximum = true;
}

}  // namespace

std::string SweptInputTitle(Input varied, StrengthUnit unit) {
    const InputTraits& traits = TraitsOf(varied);
    const std::string symbol = traits.volumeKey ? StrengthAxisUnit(unit) : traits.unit;
    return symbol.empty() ? traits.label : traits.label + (", " + symbol);
}

SweepChart::SweepChart(TChart& chart, const FormatSettings& settings)
    : chart_(chart),
      settings_(settings),
      strength_(AddCurve(chart, "Product strength", clRed)),
      amount_(AddCurve(chart, "Product amount", clBlue)) {
    chart_.Title.Text = {"Product against one input"};
    chart_.Legend.Style = LegendStyle::lsSeries;
    ScaleItself(chart_.BottomAxis());
    ScaleItself(chart_.LeftAxis());
    ScaleItself(chart_.RightAxis());
    // The left axis' grid is the chart's; a second one would not line up.
    chart_.RightAxis().Grid.Visible = false;
    amount_.LinePen.Style = PenStyle::psDash;
    amount_.SetAxes(&chart_.BottomAxis(), &chart_.RightAxis());
    chart_.RightAxis().Title = "Product amount, g/h";
    Title(varied_, unit_);
}

void SweepChart::Reset(Input varied, StrengthUnit unit) {
    run_ = true;
    strength_.Clear();
    amount_.Clear();
    Title(varied, unit);
}

void SweepChart::Preview(Input varied, StrengthUnit unit) {
    if (!run_) Title(varied, unit);
}

void SweepChart::Title(Input varied, StrengthUnit unit) {
    varied_ = varied;
    unit_ = unit;
    chart_.BottomAxis().Title = SweptInputTitle(varied, unit);
    chart_.BottomAxis().WholeNumbers = TraitsOf(varied).whole;
    // Over the boiler strength both figures can rise alike, so the two
    // autoscaled curves may lie on top of each other: the legend, and so
    // the readout, say which is which.
    const bool alike = varied == Input::Strength;
    strength_.Title = alike ? "Product strength (solid, left axis)" : "Product strength";
    amount_.Title = alike ? "Product amount (dashed, right axis)" : "Product amount";
    chart_.LeftAxis().Title = "Product strength, " + StrengthAxisUnit(unit);
    chart_.Invalidate();
}

void SweepChart::Append(const std::vector<SweepRow>& rows) {
    for (const SweepRow& row : rows) {
        const std::optional<double> x = SweptValue(row, varied_, settings_);
        if (!x) continue;
        if (const auto strength = row.result.ProductStrength(unit_))
            strength_.AddXY(*x, static_cast<double>(*strength));
        if (const auto amount = row.result.productAmount)
            amount_.AddXY(*x, static_cast<double>(*amount));
    }
}

}  // namespace colmara
