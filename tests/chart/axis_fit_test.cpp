// Axis labels that neither mislead nor collide: flat series get a padded
// range, whole-number axes are labelled at whole numbers only, and no label
// runs into its axis' title (6 px per character, 13 px per line).
#include <gtest/gtest.h>

#include <cmath>

#include "chart/chart.h"
#include "chart/recordingcanvas.h"

namespace colmara {
namespace {

using test::RecordingCanvas;

const Rect kPanel{0, 0, 400, 300};
constexpr int kLine = RecordingCanvas::kTextHeight;

struct Span {
    int from, to;  // [from, to)
    bool Meets(const Span& o) const { return from < o.to && o.from < to; }
};

// The strip across the axis that a label or the title covers.
Span LabelSpan(const AxisLabel& label, bool horizontal) {
    if (horizontal) return {label.Y, label.Y + kLine};
    const int width = static_cast<int>(label.Text.size()) * RecordingCanvas::kCharWidth;
    if (label.Align == TextAlign::Right) return {label.X - width, label.X};
    return {label.X, label.X + width};
}

Span TitleSpan(const AxisLayout& axis, bool horizontal) {
    const int low = horizontal ? axis.TitleAt.Y : axis.TitleAt.X;
    return {low, low + kLine};
}

// Every label of every used, titled axis clears the title and stays inside
// the room its axis took.
void ExpectLabelsClearTheTitles(const ChartLayout& layout, const std::string& what) {
    for (const AxisLayout& axis : layout.Axes) {
        if (!axis.Used || !axis.TitleVisible) continue;
        const bool horizontal = IsHorizontalSide(axis.Side);
        const Span title = TitleSpan(axis, horizontal);
        for (const AxisLabel& label : axis.Labels)
            EXPECT_FALSE(LabelSpan(label, horizontal).Meets(title))
                << what << ": \"" << label.Text << "\" on side " << SideIndex(axis.Side);
    }
}

std::vector<std::string> Texts(const AxisLayout& axis) {
    std::vector<std::string> out;
    for (const AxisLabel& l : axis.Labels) out.push_back(l.Text);
    return out;
}

// A sweep chart: the swept input on the bottom axis, product strength on
// the left and amount on the right, every axis scaling itself.
struct SweepChart {
    FormatSettings settings;
    TChart chart{settings};
    TXYLineSeries& strength = chart.AddSeries(std::make_unique<TXYLineSeries>());
    TXYLineSeries& amount = chart.AddSeries(std::make_unique<TXYLineSeries>());

    SweepChart(const std::vector<double>& xs, double strengthValue, double amountValue) {
        chart.Title.Text = {"Product against one input"};
        for (TChartAxis* a : {&chart.BottomAxis(), &chart.LeftAxis(), &chart.RightAxis()})
            a->Automatic = a->AutomaticMinimum = a->AutomaticMaximum = true;
        chart.BottomAxis().Title = "Plates";
        chart.BottomAxis().WholeNumbers = true;
        chart.LeftAxis().Title = "Product strength, % by weight";
        chart.RightAxis().Title = "Product amount, g/h";
        amount.SetAxes(&chart.BottomAxis(), &chart.RightAxis());
        for (double x : xs) {
            strength.AddXY(x, strengthValue);
            amount.AddXY(x, amountValue);
        }
    }
    ChartLayout Layout(const Rect& bounds = kPanel) {
        RecordingCanvas canvas;
        return chart.CalcLayout(canvas, bounds);
    }
};

TEST(AxisFit, FlatSweepCurvesGetPaddedRoundRangesClearOfTheTitles) {
    // Plates 90 ... 110 step 5, both curves flat.
    SweepChart f({90, 95, 100, 105, 110}, 97.184, 715.017);
    const ChartLayout layout = f.Layout();
    const AxisLayout& left = layout.Axis(AxisSide::Left);
    const AxisLayout& right = layout.Axis(AxisSide::Right);
    EXPECT_EQ(left.Scale.IMinimum, 96);
    EXPECT_EQ(left.Scale.IMaximum, 99);
    EXPECT_EQ(right.Scale.IMinimum, 700);
    EXPECT_EQ(right.Scale.IMaximum, 730);
    // Round labels at the two ends and between them.
    EXPECT_EQ(right.Step, 2);
    EXPECT_EQ(right.Labels.front().Text, "730");
    EXPECT_EQ(right.Labels.back().Text, "700");
    EXPECT_DOUBLE_EQ(left.Step, 0.2);
    ASSERT_GE(left.Labels.size(), 2u);
    EXPECT_EQ(left.Labels.front().Text, "99");
    EXPECT_EQ(left.Labels[1].Text, "98.8");
    EXPECT_EQ(left.Labels.back().Text, "96");
    // The panel's edge at 13, then the title, "98.8" and a blank, the ticks.
    EXPECT_EQ(layout.ChartRect.Left, 13 + 13 + 30 + 7);
    ExpectLabelsClearTheTitles(layout, "flat sweep");
}

TEST(AxisFit, WholeNumberAxesAreLabelledAtWholeNumbersOnly) {
    struct Case {
        std::vector<double> xs;
        double step;
        std::string top, bottom;
    };
    const Case cases[] = {
        {{90, 95, 100, 105, 110}, 2, "110", "90"},  // room for 12 labels
        {{90, 91}, 1, "91", "90"},                  // would be 0.1 apart
        {{0, 1}, 1, "1", "0"},                      // a column of no plates and one
        {{90}, 1, "91", "89"},                      // one run: padded by one plate
        {{500, 3000}, 500, "3,000", "500"},         // power in watts
    };
    for (const Case& c : cases) {
        SweepChart f(c.xs, 50, 100);
        const AxisLayout bottom = f.Layout().Axis(AxisSide::Bottom);
        EXPECT_EQ(bottom.Step, c.step) << c.xs.front();
        ASSERT_FALSE(bottom.Labels.empty());
        EXPECT_EQ(bottom.Labels.front().Text, c.top);
        EXPECT_EQ(bottom.Labels.back().Text, c.bottom);
        for (const AxisLabel& l : bottom.Labels)
            EXPECT_EQ(l.Text.find('.'), std::string::npos) << l.Text;
    }
}

TEST(AxisFit, AWholeNumberAxisWithoutAWholeNumberInItsRangeShowsNoLabel) {
    FormatSettings settings;
    TChart chart(settings);
    chart.BottomAxis().SetMinMax(90.2, 90.7);
    chart.BottomAxis().WholeNumbers = true;
    RecordingCanvas canvas;
    EXPECT_TRUE(chart.CalcLayout(canvas, kPanel).Axis(AxisSide::Bottom).Labels.empty());
    chart.BottomAxis().SetMinMax(89.5, 90.7);
    EXPECT_EQ(Texts(chart.CalcLayout(canvas, kPanel).Axis(AxisSide::Bottom)),
              (std::vector<std::string>{"90"}));
}

TEST(AxisFit, InnerLabelsWiderThanTheEndsStayClearOfTheTitle) {
    // A profile at 0 plates: temperature 89 ... 92 every 0.5 on the right
    // axis, strength 0 ... 100 on the left; "90.5" is wider than "92".
    FormatSettings settings;
    TChart chart(settings);
    auto& temperature = chart.AddSeries(std::make_unique<TXYLineSeries>());
    temperature.AddXY(0, 90.3);
    auto& vapour = chart.AddSeries(std::make_unique<TXYLineSeries>());
    vapour.AddXY(0, 12.5);
    temperature.SetAxes(&chart.BottomAxis(), &chart.RightAxis());
    chart.BottomAxis().SetMinMax(0, 1);
    chart.LeftAxis().SetMinMax(0, 100);
    chart.RightAxis().SetMinMax(89, 92);
    chart.RightAxis().Increment = 0.5;
    chart.LeftAxis().Title = "Strength, % by weight";
    chart.RightAxis().Title = "Temperature, °C";
    chart.BottomAxis().Title = "Plate (0 = boiler)";
    RecordingCanvas canvas;
    const ChartLayout layout = chart.CalcLayout(canvas, kPanel);
    const AxisLayout& right = layout.Axis(AxisSide::Right);
    EXPECT_EQ(Texts(right),
              (std::vector<std::string>{"92", "91.5", "91", "90.5", "90", "89.5", "89"}));
    // "91.5" and a blank: 30 px of labels, 7 of ticks, 13 of title.
    EXPECT_EQ(right.RoomStart - layout.ChartRect.Right, 13 + 30 + 7);
    ExpectLabelsClearTheTitles(layout, "profile at 0 plates");
}

// A title longer than the chart has room for is cut short with an ellipsis
// rather than cut off at the chart's edges; one that fits stays whole.
TEST(AxisFit, TitlesStayInsideTheChart) {
    SweepChart f({1, 2, 3}, 50, 100);
    const auto title = [](const ChartLayout& layout, AxisSide side) {
        return layout.Axis(side).TitleText;
    };
    const ChartLayout roomy = f.Layout();
    EXPECT_EQ(title(roomy, AxisSide::Left), "Product strength, % by weight");
    EXPECT_EQ(title(roomy, AxisSide::Bottom), "Plates");

    // 100 px high: each vertical title is the longest start of itself that,
    // with the ellipsis, fits inside the bounds centred where it stands.
    const ChartLayout low = f.Layout({0, 0, 400, 100});
    for (AxisSide side : {AxisSide::Left, AxisSide::Right}) {
        const AxisLayout& axis = low.Axis(side);
        const std::string whole =
            side == AxisSide::Left ? "Product strength, % by weight" : "Product amount, g/h";
        const std::string ellipsis = "\u2026";
        ASSERT_TRUE(axis.TitleText.ends_with(ellipsis)) << axis.TitleText;
        const std::string kept = axis.TitleText.substr(0, axis.TitleText.size() - ellipsis.size());
        EXPECT_TRUE(whole.starts_with(kept)) << kept;
        const int width = static_cast<int>(kept.size() + 1) * RecordingCanvas::kCharWidth;
        const int room =
            2 * std::min(axis.TitleAt.Y - low.Bounds.Top, low.Bounds.Bottom - axis.TitleAt.Y);
        EXPECT_LE(width, room) << kept;
        EXPECT_GT(width + RecordingCanvas::kCharWidth, room) << kept << " could keep more";
    }

    // Not one character fits: no title at all, rather than a lone ellipsis.
    const ChartLayout flat = f.Layout({0, 0, 400, 12});
    EXPECT_FALSE(flat.Axis(AxisSide::Left).TitleVisible);
}

TEST(AxisFit, NoLabelMeetsATitleOverRangesOfEverySize) {
    // Any flat or sloping pair of values, on every side that has a title.
    const double values[] = {0, 0.5, 5, 97.184, 715.017, 1234.5678, -3.25, 1e-4};
    for (double a : values)
        for (double b : values) {
            SweepChart f({1, 2, 3}, a, b);
            f.strength.AddXY(4, b);
            f.amount.AddXY(4, a);
            ExpectLabelsClearTheTitles(f.Layout(), std::to_string(a) + " / " + std::to_string(b));
        }
}

}  // namespace
}  // namespace colmara
