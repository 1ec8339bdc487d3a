#include "studyview/batchchart.h"

#include <algorithm>

#include "studyview/studychart.h"

namespace colmara {

namespace {

constexpr ColorValue kProductColour = clRed;
constexpr ColorValue kBoilerColour = clBlue;
constexpr ColorValue kCollectedColour = clBlack;
constexpr ColorValue kCutColour = 0x808080;

}  // namespace

BatchChart::BatchChart(TChart& chart)
    : chart_(chart),
      product_(AddLine(chart, "Product strength", kProductColour)),
      boiler_(AddLine(chart, "Boiler strength", kBoilerColour)),
      collected_(AddLine(chart, "Collected", kCollectedColour, PenStyle::psDash)) {
    SetUpStudyChart(chart, "A batch run over time");
    collected_.SetAxes(&chart.BottomAxis(), &chart.RightAxis());
    chart.BottomAxis().Title = "Minutes from the start of heating";
    chart.RightAxis().Title = "Collected, g";
    Scale({}, StrengthUnit::Weight);
}

void BatchChart::Show(const BatchResult& result, StrengthUnit unit) {
    product_.Clear();
    boiler_.Clear();
    collected_.Clear();
    for (TXYLineSeries* line : cutLines_) chart_.RemoveSeries(*line);
    cutLines_.clear();
    for (const BatchRow& row : result.timeline) {
        const double minute = static_cast<double>(row.minute);
        if (const auto product = row.result.ProductStrength(unit))
            product_.AddXY(minute, static_cast<double>(*product));
        if (const auto boiler = StrengthIn(unit, row.boilerPercent))
            boiler_.AddXY(minute, static_cast<double>(*boiler));
        collected_.AddXY(minute, static_cast<double>(row.collected));
    }
    // Every cut after the first begins on a line of its own; the first
    // begins with distilling.
    for (std::size_t i = 1; i < result.cuts.size(); ++i) {
        const double minute = static_cast<double>(result.cuts[i].startMinute);
        auto& line = AddSeries(chart_, result.cuts[i].name + " begins", kCutColour);
        line.LinePen.Style = PenStyle::psDash;
        line.AddXY(minute, 0);
        line.AddXY(minute, 100);
        cutLines_.push_back(&line);
    }
    Scale(result, unit);
    Grey(false);
}

void BatchChart::Grey(bool grey) {
    product_.SeriesColor = CurveColor(kProductColour, !grey);
    boiler_.SeriesColor = CurveColor(kBoilerColour, !grey);
    collected_.SeriesColor = CurveColor(kCollectedColour, !grey);
    chart_.Invalidate();
}

void BatchChart::Scale(const BatchResult& result, StrengthUnit unit) {
    // From the start of heating, so the heat-up shows as the empty stretch.
    const double end =
        result.timeline.empty() ? 1 : static_cast<double>(result.timeline.back().minute);
    SetAxisRange(chart_.BottomAxis(), 0, end);
    std::vector<double> strengths;
    for (const TXYLineSeries* curve : {&product_, &boiler_})
        for (int i = 0; i < curve->Count(); ++i) strengths.push_back(curve->YValues[i]);
    SetStrengthRange(chart_.LeftAxis(), strengths);
    chart_.LeftAxis().Title = StrengthAxisTitle(unit);
    const double collected =
        result.timeline.empty() ? 0 : static_cast<double>(result.timeline.back().collected);
    SetAxisRange(chart_.RightAxis(), 0, std::max(collected, 1.0));
}

}  // namespace colmara
