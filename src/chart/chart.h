// The chart panel: owns the axes, title, legend and series, lays the whole
// picture out as a value at every paint, draws that value and turns mouse
// input on the last one into zoom and scroll.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "chart/chartaxis.h"
#include "chart/chartcanvas.h"
#include "chart/chartlegend.h"
#include "chart/charttitle.h"
#include "chart/horizlineseries.h"
#include "chart/xylineseries.h"
#include "runtime/numconv.h"

namespace colmara {

enum class BevelCut { bvNone, bvLowered, bvRaised };
enum class MouseButton { mbLeft, mbRight, mbMiddle };

inline constexpr std::size_t AxisCount = 5;

// A series' end label as placed: its text's box, top-left anchored.
struct EndLabelLayout {
    int Series = 0;  // position in the chart's series list
    Rect Box;
    std::string Text;
    bool operator==(const EndLabelLayout&) const = default;
};

// Everything one paint draws and the mouse hits, computed from the chart's
// settings, its series and the canvas' text metrics before anything is drawn.
struct ChartLayout {
    Rect Bounds;
    LegendLayout Legend;
    TitleLayout Title;
    Rect ChartRect;  // final plotting rectangle
    // Every axis in list order; only the used ones have positions and labels.
    std::array<AxisLayout, AxisCount> Axes;
    Rect SeriesClip;
    // Right of its series' last point, or left of it where the plot ends,
    // and moved down past every label placed before it.
    std::vector<EndLabelLayout> EndLabels;

    const AxisLayout& Axis(AxisSide side) const { return Axes[SideIndex(side)]; }
    AxisLayout& Axis(AxisSide side) { return Axes[SideIndex(side)]; }
};

class TChart {
  public:
    // The number symbols of labels and legend texts; must outlive the chart.
    explicit TChart(const FormatSettings& settings);
    TChart(const TChart&) = delete;
    TChart& operator=(const TChart&) = delete;

    // Panel settings.
    ColorValue Color = clBtnFace;
    BevelCut BevelOuter = BevelCut::bvRaised;
    BevelCut BevelInner = BevelCut::bvNone;
    int BevelWidth = 1;
    int BorderWidth = 0;
    ChartPen BorderPen{clBlack, 1, PenStyle::psSolid, false};
    int MarginLeft = 3, MarginTop = 4, MarginRight = 3, MarginBottom = 4;  // percent
    bool AxisVisible = true;
    bool ClipPoints = true;
    int ZoomMinimumPixels = 16;
    double WheelShare = 0.03;  // of an axis' range per wheel notch

    // The plotting rectangle's left and right edges as another chart's, so
    // two charts stacked share their horizontal axis; each is honoured
    // where it leaves the axes on that side their room.
    std::optional<int> AlignLeft;
    std::optional<int> AlignRight;

    TChartTitle Title;
    TChartLegend Legend;
    ChartPen BackWallPen{clBlack, 1, PenStyle::psSolid, true};

    TChartAxis& BottomAxis() { return axes_[0]; }
    TChartAxis& TopAxis() { return axes_[1]; }
    TChartAxis& LeftAxis() { return axes_[2]; }
    TChartAxis& RightAxis() { return axes_[3]; }
    TChartAxis& DepthAxis() { return axes_[4]; }

    // The chart owns its series; a new one measures along the bottom and
    // left axes until SetAxes moves it (to the right axis, say).
    template <class Series>
    Series& AddSeries(std::unique_ptr<Series> series) {
        Series& s = *series;
        Adopt(std::move(series));
        return s;
    }
    // Drops the series, if the chart holds it, and repaints.
    void RemoveSeries(const TChartSeries& series);
    const std::vector<TChartSeries*>& SeriesList() const { return seriesList_; }

    // Set by the widget: the picture must be recomputed, or only the zoom
    // rectangle has moved. Data changes and mouse actions call them; they
    // never draw.
    std::function<void()> OnInvalidate;
    std::function<void()> OnZoomRectangleChanged;
    void Invalidate() const;

    // The paint sequence on the client rectangle, zoom rectangle included.
    void Paint(TChartCanvas& canvas, const Rect& bounds);
    // The picture without the zoom rectangle: automatic axis ends take on
    // their range, the layout is computed and kept for the mouse, then drawn.
    const ChartLayout& Render(TChartCanvas& canvas, const Rect& bounds);
    // The layout alone; it changes nothing.
    ChartLayout CalcLayout(TChartCanvas& canvas, const Rect& bounds) const;
    void DrawLayout(TChartCanvas& canvas, const ChartLayout& layout) const;
    // The picture on another surface (an exported image): laid out for
    // these bounds and drawn, leaving the settings and the kept layout,
    // which the mouse works on, as they are.
    void Draw(TChartCanvas& canvas, const Rect& bounds) const;

    // The client rectangle less border, bevel and margins.
    Rect InitialChartRect(const Rect& bounds) const;
    // The last rendered layout, which the mouse works on.
    const ChartLayout& Layout() const { return layout_; }
    const Rect& ChartRect() const { return layout_.ChartRect; }

    // Mouse zoom and scroll; coordinates are client pixels.
    void MouseDown(MouseButton button, int x, int y);
    void MouseMove(int x, int y);
    void MouseUp(MouseButton button, int x, int y);
    // Positive notches turn the wheel away from the user (up).
    void MouseWheel(int notchesUp);
    std::optional<Rect> ZoomRectangle() const;
    void DrawZoomRectangle(TChartCanvas& canvas) const;

  private:
    void Adopt(std::unique_ptr<TChartSeries> series);
    bool AxisUsed(const TChartAxis& axis) const;
    void LayoutAxes(ChartLayout& layout, TChartCanvas& canvas) const;
    // Moves the plotting rectangle's edges to AlignLeft and AlignRight, and
    // the axes on those sides with them.
    void Align(ChartLayout& layout, Rect& chartRect) const;
    std::vector<EndLabelLayout> PlaceEndLabels(TChartCanvas& canvas,
                                               const ChartLayout& layout) const;
    // A mouse range change: the axis stops scaling itself and the last
    // layout's scale follows at once, for the next mouse event.
    void FixRange(TChartAxis& axis, double minimum, double maximum);
    static bool InAxisStrip(const AxisLayout& a, int x, int y);
    std::optional<AxisSide> AxisAt(int x, int y) const;
    bool OnAxis(int x, int y) const;
    void StartScroll(int x, int y);
    bool ScrollStaysOn(int x, int y) const;
    bool AnySeriesActive() const;
    void SaveAxisSettings();
    void UndoZoom();
    void ApplyZoom(const Rect& r);
    void ScrollTo(int x, int y);

    const FormatSettings& settings_;
    std::array<TChartAxis, AxisCount> axes_;
    std::vector<std::unique_ptr<TChartSeries>> series_;
    std::vector<TChartSeries*> seriesList_;
    ChartLayout layout_;

    struct SavedAxis {
        bool automatic, automaticMinimum, automaticMaximum;
        double minimum, maximum;
    };
    std::optional<std::array<SavedAxis, AxisCount>> saved_;
    struct ZoomDrag {
        bool active = false;
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    } zoom_;
    struct ScrollDrag {
        bool active = false;
        int x = 0, y = 0;
        std::optional<AxisSide> axis;  // the one axis to move; none moves all
    } scroll_;
};

}  // namespace colmara
