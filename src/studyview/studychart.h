// What the study window's charts share: a panel set up for several named
// curves, every axis given its range explicitly, the axis titles that
// follow the strength unit, and the grey that marks curves of an older case.
#pragma once

#include <string>
#include <vector>

#include "chart/chart.h"
#include "study/strengthunit.h"

namespace colmara {

// A plain white panel with a title and a legend of series names.
void SetUpStudyChart(TChart& chart, const std::string& title);

// A new series on the bottom and left axes: a thin solid line in `color`.
TXYLineSeries& AddSeries(TChart& chart, const std::string& title, ColorValue color);

// A new series drawn as a curve: two pixels wide, in `style`.
TXYLineSeries& AddLine(TChart& chart, const std::string& title, ColorValue color,
                       PenStyle style = PenStyle::psSolid);

// 1, 2 or 5 times a power of ten: the smallest step cutting `span` into at
// most ten.
double LabelStep(double span);

// Fixes an axis to [minimum, maximum], widened to a span of one when the two
// meet, so a single value still has a scale, labelled every LabelStep.
void SetAxisRange(TChartAxis& axis, double minimum, double maximum);

// The plate axis: 0..top (at least 1), labelled at whole plates.
void SetPlateRange(TChartAxis& axis, int top);

// The strength axis: 0..100 %, widened to whole numbers holding every value
// (a plate's liquid balance can leave 0..100 % by weight).
void SetStrengthRange(TChartAxis& axis, const std::vector<double>& values);

// "% by weight", "% vol" or "% mol", as axis titles write the unit of a
// strength.
std::string StrengthAxisUnit(StrengthUnit unit);
// "Strength, % by weight", "Strength, % vol" or "Strength, % mol".
std::string StrengthAxisTitle(StrengthUnit unit);
// "% by weight", "% by volume" or "% mol", as the unit selector names them.
std::string StrengthUnitName(StrengthUnit unit);

// A curve's colour: its own while it shows the newest case, grey while the
// newest calculation has failed.
ColorValue CurveColor(ColorValue own, bool current);

// A number in a readout, two decimals, with the locale's decimal symbol.
std::string ReadoutNumber(double value, const FormatSettings& settings);

}  // namespace colmara
