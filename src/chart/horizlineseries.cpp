#include "chart/horizlineseries.h"

namespace colmara {

THorizLineSeries::THorizLineSeries() = default;

void THorizLineSeries::SetAxes(const TChartAxis* horizAxis, const TChartAxis* vertAxis) {
    horizAxis_ = horizAxis;
    vertAxis_ = vertAxis;
}

bool THorizLineSeries::AssociatedToAxis(const TChartAxis* axis) const {
    return axis != nullptr && (axis == horizAxis_ || axis == vertAxis_);
}

int THorizLineSeries::Add(double value, const std::string& label, ColorValue color) {
    // The data value goes along the horizontal axis; its position is the
    // number of points already held.
    return AddXY(value, YValues.Count(), label, color);
}

int THorizLineSeries::AddXY(double x, double y, const std::string& label, ColorValue color) {
    XValues.TempValue = x;
    YValues.TempValue = y;
    const int index = XValues.AddChartValue(x);
    YValues.InsertChartValue(index, y);

    const auto at = static_cast<std::size_t>(index);
    if (colors_) {
        colors_->insert(colors_->begin() + static_cast<std::ptrdiff_t>(at), color);
    } else if (color != clDefaultColor) {
        colors_.emplace(static_cast<std::size_t>(Count()), clDefaultColor);
        (*colors_)[at] = color;
    }

    if (!label.empty() || !labels_.empty()) {
        if (labels_.size() < at) labels_.resize(at);
        labels_.insert(labels_.begin() + static_cast<std::ptrdiff_t>(at), label);
    }

    RequestRepaint();
    return index;
}

void THorizLineSeries::Clear() {
    XValues.Clear();
    YValues.Clear();
    colors_.reset();
    labels_.clear();
    RequestRepaint();
}

void THorizLineSeries::RequestRepaint() const {
    if (Active && repaintRequest_) repaintRequest_();
}

ColorValue THorizLineSeries::ValueColor(int index) const {
    if (colors_ && index >= 0 && static_cast<std::size_t>(index) < colors_->size()) {
        const ColorValue own = (*colors_)[static_cast<std::size_t>(index)];
        if (own != clDefaultColor) return own;
    }
    return SeriesColor;
}

std::string THorizLineSeries::Label(int index) const {
    if (index >= 0 && static_cast<std::size_t>(index) < labels_.size())
        return labels_[static_cast<std::size_t>(index)];
    return {};
}

int THorizLineSeries::CalcXPos(int index, const AxisScale& horiz) const {
    return horiz.CalcPosValue(XValues.Value(index));
}

int THorizLineSeries::CalcYPos(int index, const AxisScale& vert) const {
    return vert.CalcPosValue(YValues.Value(index));
}

void THorizLineSeries::DrawAllValues(TChartCanvas& canvas, const AxisScale& horiz,
                                     const AxisScale& vert) const {
    std::optional<Point> previous;
    for (int i = 0; i < Count(); ++i) previous = DrawValue(canvas, i, horiz, vert, previous);
}

Point THorizLineSeries::DrawValue(TChartCanvas& canvas, int index, const AxisScale& horiz,
                                  const AxisScale& vert,
                                  const std::optional<Point>& previous) const {
    const ColorValue color = ValueColor(index);
    const Point at{CalcXPos(index, horiz), CalcYPos(index, vert)};
    // A step whose two ends fall on one pixel draws nothing; the next
    // segment still starts from that pixel.
    if (previous && *previous != at && color != clNone) {
        ChartPen pen = LinePen;
        pen.Color = ColorEachLine ? color : SeriesColor;
        canvas.Line(previous->X, previous->Y, at.X, at.Y, pen);
    }
    return at;
}

std::string THorizLineSeries::LegendString(int index, const FormatSettings& settings) const {
    std::string text = FormatExtended(ValueFormat, MandatoryValueList().Value(index), settings);
    const std::string label = Label(index);
    if (!label.empty()) {
        text += ColumnSeparator;
        text += label;
    }
    return text;
}

void THorizLineSeries::DrawLegend(TChartCanvas& canvas, int index, const Rect& rect) const {
    const ColorValue color = ValueColor(index);
    if (color == clNone) return;
    ChartPen pen = LinePen;
    pen.Color = color;
    const int y = (rect.Top + rect.Bottom) / 2;
    canvas.Line(rect.Left, y, rect.Right, y, pen);
}

}  // namespace colmara
