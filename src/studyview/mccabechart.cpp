#include "studyview/mccabechart.h"

#include <memory>

#include "studyview/studychart.h"

namespace colmara {

namespace {

// Window colours are stored blue, green, red from the high byte down.
constexpr ColorValue kCurveColour = 0xB04000;      // dark blue
constexpr ColorValue kPublishedColour = 0x008000;  // green
constexpr ColorValue kOperatingColour = 0x0080FF;  // orange
constexpr ColorValue kStaircaseColour = clRed;
constexpr ColorValue kProductColour = 0x800080;  // purple
constexpr ColorValue kLimitsColour = 0x404040;   // dark grey

// A series of marks alone, without a line between them.
void MarksOnly(TXYLineSeries& series, MarkerStyle style, int size, bool filled) {
    series.LinePen.Visible = false;
    series.Marker = {true, style, size, filled};
}

void Fill(TXYLineSeries& series, const std::vector<XYPoint>& points) {
    series.Clear();
    for (const XYPoint& p : points) series.AddXY(p.x, p.y);
}

void SetUpAxis(TChartAxis& axis) {
    axis.SetMinMax(0, 1);
    axis.Increment = 0.1;
    // Every label one decimal: the axis makes room for its end labels only,
    // and "1" is narrower than "0.5".
    axis.AxisValuesFormat = "0.0";
}

std::string FractionName(StrengthUnit unit) {
    return DiagramUnit(unit) == StrengthUnit::Mole ? "mole fraction" : "mass fraction";
}

}  // namespace

void McCabeSeries::Grey(bool grey) const {
    pseudo->SeriesColor = CurveColor(kCurveColour, !grey);
    operating->SeriesColor = CurveColor(kOperatingColour, !grey);
    staircase->SeriesColor = CurveColor(kStaircaseColour, !grey);
    product->SeriesColor = CurveColor(kProductColour, !grey);
}

void McCabeSeries::Show(const McCabeDiagram& diagram, const std::string& productTitle) const {
    Grey(false);
    Fill(*pseudo, diagram.pseudoEquilibrium);
    pseudo->Active = !diagram.pseudoEquilibrium.empty();
    Fill(*operating, diagram.OperatingPoints());
    Fill(*staircase, diagram.Staircase());
    Fill(*product, {diagram.ProductPoint()});
    product->Title = productTitle;
}

void McCabeSeries::ShowLimits(const LimitsDiagram* limits) const {
    limitSteps->Active = limits != nullptr;
    pinch->Active = limits != nullptr;
    Fill(*limitSteps, limits ? limits->staircase : std::vector<XYPoint>{});
    Fill(*pinch, limits ? limits->pinch : std::vector<XYPoint>{});
}

McCabeSeries SetUpMcCabeChart(TChart& chart) {
    chart.Title.Text = {"McCabe-Thiele diagram"};
    chart.Legend.Style = LegendStyle::lsSeries;
    SetUpAxis(chart.BottomAxis());
    SetUpAxis(chart.LeftAxis());

    McCabeSeries s;
    s.curve = &AddSeries(chart, "Equilibrium (model)", kCurveColour);
    s.curve->LinePen.Width = 2;
    s.pseudo = &AddLine(chart, "Pseudo-equilibrium", kCurveColour, PenStyle::psDash);
    s.pseudo->Active = false;

    s.diagonal = &AddSeries(chart, "y = x", clGray);
    Fill(*s.diagonal, Diagonal());

    s.published = &AddSeries(chart, "Published data", kPublishedColour);
    MarksOnly(*s.published, MarkerStyle::msCircle, 3, false);
    s.published->Active = false;
    SetMcCabeFractions(chart, s, StrengthUnit::Weight);

    // The steps first, so the operating points' marks sit on their corners.
    s.staircase = &AddSeries(chart, "Plate steps", kStaircaseColour);
    s.operating = &AddSeries(chart, "Operating points", kOperatingColour);
    MarksOnly(*s.operating, MarkerStyle::msSquare, 2, true);
    s.product = &AddSeries(chart, "Product", kProductColour);
    MarksOnly(*s.product, MarkerStyle::msCircle, 4, true);
    s.limitSteps = &AddLine(chart, "Total reflux", kLimitsColour, PenStyle::psDot);
    s.pinch = &AddSeries(chart, "Least-reflux pinch", kLimitsColour);
    s.pinch->LinePen.Width = 3;
    s.ShowLimits(nullptr);
    return s;
}

void SetMcCabeFractions(TChart& chart, const McCabeSeries& series, StrengthUnit unit) {
    chart.BottomAxis().Title = "Liquid x, " + FractionName(unit);
    chart.LeftAxis().Title = "Vapour y, " + FractionName(unit);
    Fill(*series.curve, EquilibriumCurve(unit));
    Fill(*series.published, PublishedPoints(unit));
}

std::string ProductTitle(const CaseResult& result, StrengthUnit unit,
                         const FormatSettings& settings) {
    const std::optional<long double> strength = result.ProductStrength(unit);
    if (!strength) return "Product";
    const std::string title =
        "Product " + FormatExtended("0.00", *strength, settings) + " " + StrengthUnitSymbol(unit);
    if (unit != StrengthUnit::Volume) return title;
    // The point sits at its mass fraction: the legend gives that too, so no
    // label on these axes of mass fractions reads as a volume.
    return title + ", " + FormatExtended("0.0000", *result.productStrength / 100, settings) +
           " by mass";
}

}  // namespace colmara
