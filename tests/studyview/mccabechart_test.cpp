// The McCabe-Thiele chart below ideal plates: the pseudo-equilibrium curve
// runs through every step's end, between the operating points and the
// equilibrium curve, and the laid-out chart names it in its legend only
// then.
#include "studyview/mccabechart.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "chart/recordingcanvas.h"
#include "model/properties.h"
#include "runtime/fpcheck.h"
#include "study/plateprofile.h"

namespace colmara {
namespace {

// The curve's y at `x`, straight between its samples.
double CurveAt(const std::vector<XYPoint>& curve, double x) {
    const auto after = std::lower_bound(curve.begin(), curve.end(), x,
                                        [](const XYPoint& p, double at) { return p.x < at; });
    if (after == curve.begin()) return after->y;
    if (after == curve.end()) return curve.back().y;
    const XYPoint& before = *(after - 1);
    return before.y + (after->y - before.y) * (x - before.x) / (after->x - before.x);
}

std::vector<std::string> LegendTexts(const TChart& chart) {
    test::RecordingCanvas canvas;
    std::vector<std::string> texts;
    for (const LegendRow& row : chart.CalcLayout(canvas, {0, 0, 640, 480}).Legend.RowList)
        texts.push_back(row.Column[0]);
    return texts;
}

TEST(McCabeChart, PseudoEquilibriumRunsThroughTheStepsEndsBelowIdealPlates) {
    InitFloatingPoint();
    const FormatSettings settings;
    const struct {
        const char* what;
        InputTexts inputs;
    } cases[] = {
        {"a wash, plates of 60 %", {"1500", "10", "6", "3", "60"}},
        {"a strong boiler, plates of 30 %", {"1000", "20", "15", "1", "30"}},
        {"many plates of 85 %", {"2000", "5", "40", "4", "85"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CaseProfile profile = ProfileCase(c.inputs, settings);
        const std::optional<McCabeDiagram> diagram = McCabeDiagramOf(profile);
        ASSERT_TRUE(diagram.has_value());
        const std::vector<XYPoint>& pseudo = diagram->pseudoEquilibrium;
        ASSERT_GT(pseudo.size(), 50U);
        // Each step rises from the plate's operating point to the vapour it
        // gives off, which lies on the curve (to the samples' spacing) and
        // between the operating line and equilibrium.
        for (const McCabeStage& stage : diagram->stages) {
            if (!stage.vapourIn) continue;
            EXPECT_NEAR(CurveAt(pseudo, stage.liquid), stage.vapour, 2e-3) << stage.plate;
            EXPECT_GE(stage.vapour, *stage.vapourIn) << stage.plate;
            EXPECT_LE(stage.vapour, static_cast<double>(vapourstrength(stage.liquid)))
                << stage.plate;
        }

        TChart chart{settings};
        const McCabeSeries series = SetUpMcCabeChart(chart);
        const std::vector<std::string> before = LegendTexts(chart);
        series.Show(*diagram, "Product");
        std::vector<std::string> expected = before;
        expected.insert(expected.begin() + 1, "Pseudo-equilibrium");
        EXPECT_EQ(LegendTexts(chart), expected);
    }
    // Ideal plates: the steps end on the equilibrium curve, which is all
    // the legend names.
    const std::optional<McCabeDiagram> ideal =
        McCabeDiagramOf(ProfileCase({"1500", "10", "6", "3"}, settings));
    ASSERT_TRUE(ideal.has_value());
    EXPECT_TRUE(ideal->pseudoEquilibrium.empty());
    TChart chart{settings};
    const McCabeSeries series = SetUpMcCabeChart(chart);
    const std::vector<std::string> before = LegendTexts(chart);
    series.Show(*ideal, "Product");
    EXPECT_EQ(LegendTexts(chart), before);
}

}  // namespace
}  // namespace colmara
