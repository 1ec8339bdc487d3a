// The McCabe-Thiele panel: the staircase where the scales put it, the
// series filled from a solved case, a failed case greyed, and the table.
#include "ui/study/mccabepanel.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <cstdio>

#include "chart/recordingcanvas.h"
#include "study/mccabetable.h"
#include "ui/chart/chartview.h"
#include "ui/study/limitssolver.h"

namespace colmara {
namespace {

using test::CanvasCall;
using test::RecordingCanvas;

std::vector<Point> Pts(std::initializer_list<Point> points) {
    return points;
}

std::vector<XYPoint> PointsOf(const TXYLineSeries& s) {
    std::vector<XYPoint> points;
    for (int i = 0; i < s.Count(); ++i) points.push_back({s.XValues.Value(i), s.YValues.Value(i)});
    return points;
}

// A boiler and two plates with round strengths, so every corner of the
// staircase is easy to place by hand.
StudyCase HandMadeCase() {
    StudyCase study;
    study.profile.result.productStrength = 85;
    study.profile.plates = {
        {0, 90, 50, 10, std::nullopt}, {1, 85, 75, 40, 900}, {2, 80, 83, 70, 800}};
    return study;
}

TEST(McCabePanel, StaircaseLiesOnTheScalesOfThePanel) {
    const FormatSettings settings;
    McCabePanel panel(settings);
    panel.ShowCase(HandMadeCase());
    RecordingCanvas canvas;
    const ChartLayout layout = panel.ExportChart()->Chart().Render(canvas, {0, 0, 500, 400});

    // Both axes run 0 ... 1 across the plotting rectangle, 243 x 312 px: the
    // left edge is 16 (bevel, margin) + 13 (title) + 24 ("0.0" and a blank)
    // + 7 (ticks), the legend takes the right. A mass fraction f lands at
    // 60 + 243 f and 350 - 312 f, rounded.
    EXPECT_EQ(layout.ChartRect, (Rect{60, 38, 303, 350}));
    std::vector<CanvasCall> staircase;
    for (const CanvasCall& c : canvas.Of(CanvasCall::Polyline))
        if (c.pen.Color == clRed) staircase.push_back(c);
    ASSERT_EQ(staircase.size(), 1u);
    // (0.1, 0.5) (0.4, 0.5) (0.4, 0.75) (0.7, 0.75) (0.7, 0.83) (0.85, 0.83)
    EXPECT_EQ(staircase[0].points,
              Pts({{84, 194}, {157, 194}, {157, 116}, {230, 116}, {230, 91}, {267, 91}}));
    // The operating points' marks sit on the horizontal steps' ends (the
    // legend's mark lies right of the plotting rectangle).
    std::vector<Point> marks;
    for (const CanvasCall& c : canvas.Of(CanvasCall::Fill))
        if (c.color == 0x0080FF && c.rect.Right <= layout.ChartRect.Right)
            marks.push_back({c.rect.Left + 2, c.rect.Top + 2});
    EXPECT_EQ(marks, Pts({{157, 194}, {230, 116}}));
}

TEST(McCabePanel, ShowsASolvedCaseAndGreysItWhenTheNextFails) {
    const FormatSettings settings;
    McCabePanel panel(settings);
    StudyCase study;
    study.typed = {"1000", "10", "4", "2"};
    study.unit = StrengthUnit::Volume;
    study.profile = ProfileCase(study.typed, settings, study.unit);
    panel.ShowCase(study);

    const McCabeSeries& s = panel.Series();
    const McCabeDiagram diagram = *McCabeDiagramOf(study.profile);
    EXPECT_EQ(PointsOf(*s.staircase), diagram.Staircase());
    EXPECT_EQ(PointsOf(*s.operating), diagram.OperatingPoints());
    EXPECT_EQ(PointsOf(*s.product), std::vector{diagram.ProductPoint()});
    EXPECT_EQ(PointsOf(*s.curve), EquilibriumCurve());
    EXPECT_EQ(
        s.product->Title,
        "Product " +
            FormatExtended("0.00", *study.profile.result.ProductStrength(study.unit), settings) +
            " % vol, " +
            FormatExtended("0.0000", *study.profile.result.productStrength / 100, settings) +
            " by mass");
    std::string csv;
    for (const Record& r : McCabeRecords(study.profile, study.unit))
        csv += (csv.empty() ? CsvHeader(r) : "") + CsvLine(r);
    EXPECT_EQ(panel.TableCsv(), csv);
    EXPECT_EQ(panel.TableTsv().substr(0, 13), "plate\tliquid_");

    // The readout gives the pointer's own x and y (to within a pixel), and
    // the nearest published point only while those are shown.
    panel.resize(500, 400);
    QImage image(500, 400, QImage::Format_RGB32);
    QPainter painter(&image);
    panel.ExportChart()->Render(painter, {0, 0, 500, 400});
    const ChartLayout& layout = panel.ExportChart()->Chart().Layout();
    const Rect plot = layout.ChartRect;
    const double pixel = 1.0 / std::min(plot.Right - plot.Left, plot.Bottom - plot.Top);
    EXPECT_FALSE(s.published->Active);
    for (const bool published : {false, true}) {
        panel.PublishedBox()->setChecked(published);
        EXPECT_EQ(s.published->Active, published);
        for (const XYPoint wanted : {XYPoint{0.25, 0.6}, XYPoint{0.8, 0.3}}) {
            panel.Pane().ReadAt({layout.Axis(AxisSide::Bottom).Scale.CalcPosValue(wanted.x),
                                 layout.Axis(AxisSide::Left).Scale.CalcPosValue(wanted.y)});
            const std::string text = panel.Pane().Readout().toStdString();
            double x = -1, y = -1;
            ASSERT_EQ(std::sscanf(text.c_str(), "x %lf, y %lf", &x, &y), 2) << text;
            EXPECT_NEAR(x, wanted.x, pixel) << text;
            EXPECT_NEAR(y, wanted.y, pixel) << text;
            EXPECT_EQ(text.find("Operating points"), std::string::npos) << text;
            EXPECT_EQ(text.find("; " + s.published->Title + ": x ") != std::string::npos, published)
                << text;
        }
    }
    EXPECT_EQ(s.published->Count(), 15);

    StudyCase failed = study;
    failed.typed.power = "0";
    failed.profile = ProfileCase(failed.typed, settings, failed.unit);
    ASSERT_FALSE(failed.profile.result.Solved());
    panel.ShowCase(failed);
    for (const TXYLineSeries* grey : {s.staircase, s.operating, s.product})
        EXPECT_EQ(grey->SeriesColor, clSilver);
    EXPECT_EQ(PointsOf(*s.staircase), diagram.Staircase()) << "the last good steps stay";
    EXPECT_EQ(panel.TableCsv(), "");

    panel.ShowCase(study);
    EXPECT_EQ(s.staircase->SeriesColor, clRed);
}

// By mole the whole diagram moves to mole fractions: the hand-made case's
// corners at the fractions worked by hand from the molar masses (46.068,
// 18.015 g/mol), to the 6 decimals worked; every label names the unit.
// Back by weight, the mass-fraction picture returns to the bit.
// The limits come from the worker for the case on screen: the staircase
// and the pinch drawn, the figures under the chart; a target the limits
// refuse shows why, the case's diagram untouched; off, they go.
TEST(McCabePanel, LimitsDrawForTheCaseOrSayWhyNot) {
    const FormatSettings settings;
    McCabePanel panel(settings);
    const auto show = [&](const InputTexts& typed) {
        StudyCase study;
        study.typed = typed;
        study.profile = ProfileCase(typed, settings);
        panel.ShowCase(study);
    };
    const McCabeSeries& s = panel.Series();
    show({"1000", "10", "6", "3"});
    EXPECT_FALSE(s.limitSteps->Active);
    panel.LimitsBox()->setChecked(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel.LimitsBusy(); }, 60000));
    EXPECT_TRUE(s.limitSteps->Active);
    EXPECT_GT(s.limitSteps->Count(), 3);
    EXPECT_EQ(s.pinch->Count(), 2);
    EXPECT_TRUE(panel.LimitsReadout().startsWith("Fewest plates "))
        << panel.LimitsReadout().toStdString();

    // A product weaker than the boiler's own vapour: nothing to separate.
    StudyCase weak = HandMadeCase();
    weak.profile.plates.front().liquidStrength = 90;
    panel.ShowCase(weak);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel.LimitsBusy(); }, 60000));
    EXPECT_FALSE(s.limitSteps->Active);
    EXPECT_TRUE(panel.LimitsReadout().startsWith("target: "))
        << panel.LimitsReadout().toStdString();
    EXPECT_EQ(PointsOf(*s.staircase), McCabeDiagramOf(weak.profile)->Staircase());

    panel.LimitsBox()->setChecked(false);
    EXPECT_FALSE(s.pinch->Active);
    EXPECT_TRUE(panel.LimitsReadout().isEmpty());
}

// The readout gives the pinch's strength in the window's unit, as every
// other strength there is, and then as the diagram's axes read it. The
// conversions of 71.24 % by weight worked by hand: 78.05 % vol (the
// alcoholometric tables) and 49.20 % mol (46.068 and 18.015 g/mol).
TEST(McCabePanel, LimitsReadoutStatesThePinchInTheWindowsUnit) {
    SeparationLimits limits;
    limits.fewestPlates = {3, 2.96L};
    limits.leastReflux = "0.852";
    limits.pinch = {0, 33, 0.7124L};
    const std::string head =
        "Fewest plates 3 (2.96) at total reflux; least reflux 0.852: pinch on plates 0 to 33 at ";
    const struct {
        StrengthUnit unit;
        std::string tail;
    } cases[] = {
        {StrengthUnit::Weight, "71.24 % (y 0.712)"},
        {StrengthUnit::Volume, "78.05 % vol (y 0.712)"},  // the diagram stays in mass fractions
        {StrengthUnit::Mole, "49.20 % mol (y 0.492)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LimitsText(limits, c.unit, FormatSettings()), head + c.tail)
            << StrengthUnitKey(c.unit);
}

TEST(McCabePanel, DrawsInMoleFractionsByMoleAndBack) {
    const FormatSettings settings;
    McCabePanel panel(settings);
    StudyCase study = HandMadeCase();
    study.unit = StrengthUnit::Mole;
    panel.ShowCase(study);
    const McCabeSeries& s = panel.Series();
    TChart& chart = panel.ExportChart()->Chart();
    EXPECT_EQ(chart.BottomAxis().Title, "Liquid x, mole fraction");
    EXPECT_EQ(chart.LeftAxis().Title, "Vapour y, mole fraction");
    // 10, 50, 40, 75, 70, 83, 85 % by weight by mole.
    const std::vector<XYPoint> byHand = {{0.041641, 0.281120}, {0.206791, 0.281120},
                                         {0.206791, 0.539840}, {0.477112, 0.539840},
                                         {0.477112, 0.656269}, {0.689051, 0.656269}};
    const std::vector<XYPoint> stairs = PointsOf(*s.staircase);
    ASSERT_EQ(stairs.size(), byHand.size());
    for (std::size_t i = 0; i < stairs.size(); ++i) {
        EXPECT_NEAR(stairs[i].x, byHand[i].x, 5e-7) << i;
        EXPECT_NEAR(stairs[i].y, byHand[i].y, 5e-7) << i;
    }
    EXPECT_EQ(s.product->Title, "Product 68.91 % mol");
    // The curve and the published points are the mass-fraction ones
    // converted, and still end at the azeotrope, 0.894 by mole.
    ASSERT_EQ(s.curve->Count(), static_cast<int>(EquilibriumCurve().size()));
    EXPECT_NEAR(s.curve->XValues.Value(s.curve->Count() - 1), 0.8943, 5e-5);
    EXPECT_EQ(PointsOf(*s.published), PublishedPoints(StrengthUnit::Mole));
    EXPECT_EQ(panel.TableCsv().substr(0, 38), "plate,liquid_x_mol,vapour_in_y_mol,vap");

    study.unit = StrengthUnit::Weight;
    panel.ShowCase(study);
    EXPECT_EQ(chart.BottomAxis().Title, "Liquid x, mass fraction");
    EXPECT_EQ(chart.LeftAxis().Title, "Vapour y, mass fraction");
    EXPECT_EQ(PointsOf(*s.curve), EquilibriumCurve());
    EXPECT_EQ(PointsOf(*s.published), PublishedPoints(StrengthUnit::Weight));
    EXPECT_EQ(PointsOf(*s.staircase), McCabeDiagramOf(study.profile)->Staircase());
    EXPECT_EQ(s.product->Title, "Product 85.00 %");
}

}  // namespace
}  // namespace colmara
