#include "studyview/batchchart.h"

#include <algorithm>
#include <cmath>

#include "studyview/studychart.h"

namespace colmara {

namespace {

constexpr ColorValue kProductColour = clRed;
constexpr ColorValue kBoilerColour = clBlue;
constexpr ColorValue kCollectedColour = clBlack;
constexpr ColorValue kCutColour = 0x808080;
constexpr ColorValue kRefluxColour = 0x008000;
constexpr ColorValue kHeadColour = 0x800080;  // purple, apart from the red product

}  // namespace

BatchChart::BatchChart(TChart& chart, TChart& reflux)
    : chart_(chart),
      refluxChart_(reflux),
      product_(AddLine(chart, "Product strength", kProductColour)),
      boiler_(AddLine(chart, "Boiler strength", kBoilerColour)),
      collected_(AddLine(chart, "Collected", kCollectedColour, PenStyle::psDash)),
      reflux_(AddLine(reflux, "Reflux ratio", kRefluxColour)),
      head_(AddLine(chart, "Head temperature", kHeadColour)),
      log_(chart, {kProductColour, kBoilerColour, kCollectedColour, kHeadColour}) {
    SetUpStudyChart(chart, "A batch run over time");
    collected_.SetAxes(&chart.BottomAxis(), &chart.RightAxis());
    // Hidden until asked for: an inactive series is neither drawn nor in
    // the legend, nor does it scale an axis, so the chart is as without it.
    head_.SetAxes(&chart.BottomAxis(), &chart.RightAxis());
    head_.Active = false;
    chart.BottomAxis().Title = "Minutes from the start of heating";
    // The panel reads its time off the chart above: no title, no legend,
    // and a short axis title.
    SetUpStudyChart(reflux, "");
    reflux.Legend.Visible = false;
    reflux.MarginTop = reflux.MarginBottom = 2;
    reflux.LeftAxis().Title = "Reflux";
    Scale();
}

void BatchChart::AlignReflux() {
    const Rect& above = chart_.ChartRect();
    if (refluxChart_.AlignLeft == above.Left && refluxChart_.AlignRight == above.Right) return;
    refluxChart_.AlignLeft = above.Left;
    refluxChart_.AlignRight = above.Right;
    refluxChart_.Invalidate();
}

std::optional<double> BatchChart::RefluxAt(double minute) const {
    std::optional<double> nearest;
    double distance = 0;
    for (int i = 0; i < reflux_.Count(); ++i) {
        const double d = std::fabs(reflux_.XValues[i] - minute);
        if (nearest && !(d < distance)) continue;
        nearest = reflux_.YValues[i];
        distance = d;
    }
    return nearest;
}

void BatchChart::Show(const BatchResult& result, StrengthUnit unit,
                      const FormatSettings& settings) {
    product_.Clear();
    boiler_.Clear();
    collected_.Clear();
    reflux_.Clear();
    head_.Clear();
    for (TXYLineSeries* line : cutLines_) chart_.RemoveSeries(*line);
    cutLines_.clear();
    for (const BatchRow& row : result.timeline) {
        const double minute = static_cast<double>(row.minute);
        if (const auto product = row.result.ProductStrength(unit))
            product_.AddXY(minute, static_cast<double>(*product));
        if (const auto boiler = StrengthIn(unit, row.boilerPercent))
            boiler_.AddXY(minute, static_cast<double>(*boiler));
        collected_.AddXY(minute, static_cast<double>(row.collected));
        reflux_.AddXY(minute, static_cast<double>(ParseExtended(row.inputs.reflux, settings)));
        head_.AddXY(minute, static_cast<double>(row.headTemperature));
    }
    // Every cut after the first begins on a line of its own; the first
    // begins with distilling.
    for (std::size_t i = 1; i < result.cuts.size(); ++i) {
        const double minute = static_cast<double>(result.cuts[i].startMinute);
        auto& line = AddSeries(chart_, result.cuts[i].name + " begins", kCutColour);
        line.LinePen.Style = PenStyle::psDash;
        // Named on the plot, beside its top end, rather than in the legend.
        line.EndLabel = result.cuts[i].name;
        line.ShowInLegend = false;
        line.AddXY(minute, 0);
        line.AddXY(minute, 100);
        cutLines_.push_back(&line);
    }
    runEnd_ = result.timeline.empty() ? 1 : static_cast<double>(result.timeline.back().minute);
    unit_ = unit;
    Scale();
    Grey(false);
}

void BatchChart::ShowLog(const std::string& name, const LogPairs& pairs,
                         const std::vector<BatchRow>& timeline) {
    log_.Show(name, pairs, timeline, unit_);
    Scale();
    chart_.Invalidate();
}

void BatchChart::CloseLog() {
    log_.Clear();
    Scale();
    chart_.Invalidate();
}

void BatchChart::Grey(bool grey) {
    product_.SeriesColor = CurveColor(kProductColour, !grey);
    boiler_.SeriesColor = CurveColor(kBoilerColour, !grey);
    collected_.SeriesColor = CurveColor(kCollectedColour, !grey);
    reflux_.SeriesColor = CurveColor(kRefluxColour, !grey);
    head_.SeriesColor = CurveColor(kHeadColour, !grey);
    chart_.Invalidate();
    refluxChart_.Invalidate();
}

void BatchChart::Scale() {
    // From the start of heating, so the heat-up shows as the empty stretch;
    // on to a log's last reading where it runs longer.
    const double end = std::max(runEnd_, log_.LastMinute());
    SetAxisRange(chart_.BottomAxis(), 0, end);
    SetAxisRange(refluxChart_.BottomAxis(), 0, end);
    double most = 1;
    for (int i = 0; i < reflux_.Count(); ++i) most = std::max(most, reflux_.YValues[i]);
    SetAxisRange(refluxChart_.LeftAxis(), 0, most);
    std::vector<double> strengths = log_.Strengths();
    for (const TXYLineSeries* curve : {&product_, &boiler_})
        for (int i = 0; i < curve->Count(); ++i) strengths.push_back(curve->YValues[i]);
    SetStrengthRange(chart_.LeftAxis(), strengths);
    chart_.LeftAxis().Title = StrengthAxisTitle(unit_);
    ScaleRight();
}

void BatchChart::ShowHeadTemperature(bool shown) {
    head_.Active = shown;
    collected_.Active = !shown;
    log_.ShowHeadTemperature(shown);
    // A head reading moves between the axes.
    Scale();
    chart_.Invalidate();
}

void BatchChart::ScaleRight() {
    TChartAxis& right = chart_.RightAxis();
    const std::vector<double> logged = log_.RightValues();
    if (!head_.Active) {
        // The last row's amount: what was collected by the end of the run.
        const int last = collected_.Count() - 1;
        double most = std::max(last < 0 ? 0 : collected_.YValues[last], 1.0);
        for (const double amount : logged) most = std::max(most, amount);
        SetAxisRange(right, 0, most);
        right.Title = "Collected, g";
        return;
    }
    // Whole degrees round the curve: the head's rise of a degree or two
    // through the hearts stays readable beside the boiling of the tails.
    double low = 0, high = 1;
    for (int i = 0; i < head_.Count(); ++i) {
        const double celsius = head_.YValues[i];
        low = i == 0 ? std::floor(celsius) : std::min(low, std::floor(celsius));
        high = i == 0 ? std::ceil(celsius) : std::max(high, std::ceil(celsius));
    }
    for (const double celsius : logged) {
        low = std::min(low, std::floor(celsius));
        high = std::max(high, std::ceil(celsius));
    }
    SetAxisRange(right, low, high);
    right.Title = "Head temperature, °C";
}

}  // namespace colmara
