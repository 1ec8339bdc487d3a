// A column-profile chart of XY series on a 400 x 300 panel: vapour (solid)
// and liquid (dashed, square marks) strength on the fixed 0 ... 100 left
// axis, temperature on the fixed 70 ... 100 right axis, plates 0 ... 10 on
// the bottom axis, a legend of series names and titles on three axes. The
// options drop the axis titles or move the temperature to the left axis.
#pragma once

#include <memory>

#include "chart/chart.h"

namespace colmara::test {

struct XYChart {
    FormatSettings settings;
    TChart chart{settings};
    TXYLineSeries& vapour = Add("Vapour", clRed, {{0, 10}, {5, 60}, {10, 85}});
    TXYLineSeries& liquid = Add("Liquid", clBlue, {{0, 2}, {5, 40}, {10, 80}});
    TXYLineSeries& temperature = Add("Temperature", clBlack, {{0, 100}, {10, 85}});

    explicit XYChart(bool titles = true, bool rightAxis = true) {
        chart.Title.Text = {"Column profile"};
        chart.Legend.Style = LegendStyle::lsSeries;
        chart.BottomAxis().SetMinMax(0, 10);
        chart.LeftAxis().SetMinMax(0, 100);
        chart.RightAxis().SetMinMax(70, 100);
        liquid.LinePen.Style = PenStyle::psDash;
        liquid.Marker = {true, MarkerStyle::msSquare, 2, true};
        if (rightAxis) temperature.SetAxes(&chart.BottomAxis(), &chart.RightAxis());
        if (titles) {
            chart.BottomAxis().Title = "Plate";
            chart.LeftAxis().Title = "Strength, %";
            chart.RightAxis().Title = "Temperature, °C";
        }
    }

    TXYLineSeries& Add(const char* title, ColorValue color,
                       std::initializer_list<std::pair<double, double>> points) {
        auto& s = chart.AddSeries(std::make_unique<TXYLineSeries>());
        s.Title = title;
        s.SeriesColor = color;
        for (auto [x, y] : points) s.AddXY(x, y);
        return s;
    }
};

}  // namespace colmara::test
