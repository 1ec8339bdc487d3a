// The McCabe-Thiele chart: its axes, in mass or mole fractions on both
// sides, and its series, set up once; a solved case then refills only the
// series that depend on it, and a change of the strengths' unit the curve,
// the published points and the axis titles. No Qt here, so the chart is
// laid out and checked like any other.
#pragma once

#include <string>

#include "chart/chart.h"
#include "study/caseresult.h"
#include "study/limitsdiagram.h"
#include "study/mccabethiele.h"

namespace colmara {

// The chart's series, which the chart owns.
struct McCabeSeries {
    TXYLineSeries* curve = nullptr;       // the model's equilibrium curve, solid
    TXYLineSeries* pseudo = nullptr;      // where the steps end below ideal plates, dashed
    TXYLineSeries* diagonal = nullptr;    // y = x, thin
    TXYLineSeries* published = nullptr;   // published equilibrium points, marks only
    TXYLineSeries* operating = nullptr;   // the run's operating points, marks only
    TXYLineSeries* staircase = nullptr;   // the plate steps
    TXYLineSeries* product = nullptr;     // one mark, its strength in the legend
    TXYLineSeries* limitSteps = nullptr;  // the fewest plates at total reflux, dotted
    TXYLineSeries* pinch = nullptr;       // a thick mark at the least reflux's pinch

    // Draws the case's series in grey (a failed case keeps the last good
    // picture as a reference) or in their own colours.
    void Grey(bool grey) const;
    // Refills the case's series from a diagram and names the product; the
    // pseudo-equilibrium curve shows (in the legend too) only for plates
    // below an efficiency of 1.
    void Show(const McCabeDiagram& diagram, const std::string& productTitle) const;
    // Draws the limits of a separation, or hides them for none.
    void ShowLimits(const LimitsDiagram* limits) const;
};

// Sets a chart up as the McCabe-Thiele diagram in mass fractions: fixed
// 0 ... 1 axes with titles, a legend of series, the equilibrium curve, the
// diagonal and the published points filled; the published points and the
// limits hidden until asked for.
McCabeSeries SetUpMcCabeChart(TChart& chart);

// Puts the diagram in the fractions of DiagramUnit(unit): the axis titles
// name them, the curve and the published points are refilled in them. The
// case's series are the caller's to refill.
void SetMcCabeFractions(TChart& chart, const McCabeSeries& series, StrengthUnit unit);

// "Product 75.96 %", "Product 78.63 % vol, 0.7596 by mass" or "Product
// 49.23 % mol": the strength the legend states, in the unit the window
// shows strengths in, and by volume also the mass fraction the point sits
// at on the diagram's axes.
std::string ProductTitle(const CaseResult& result, StrengthUnit unit,
                         const FormatSettings& settings);

}  // namespace colmara
