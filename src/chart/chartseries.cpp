#include "chart/chartseries.h"

namespace colmara {

TChartSeries::TChartSeries(ChartListOrder xOrder, ChartListOrder yOrder)
    : XValues("X", xOrder), YValues("Y", yOrder) {}

void TChartSeries::SetAxes(const TChartAxis* horizAxis, const TChartAxis* vertAxis) {
    horizAxis_ = horizAxis;
    vertAxis_ = vertAxis;
}

bool TChartSeries::AssociatedToAxis(const TChartAxis* axis) const {
    return axis != nullptr && (axis == horizAxis_ || axis == vertAxis_);
}

int TChartSeries::AddXY(double x, double y, const std::string& label, ColorValue color) {
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

void TChartSeries::Clear() {
    XValues.Clear();
    YValues.Clear();
    colors_.reset();
    labels_.clear();
    RequestRepaint();
}

void TChartSeries::RequestRepaint() const {
    if (Active && repaintRequest_) repaintRequest_();
}

ColorValue TChartSeries::ValueColor(int index) const {
    if (colors_ && index >= 0 && static_cast<std::size_t>(index) < colors_->size()) {
        const ColorValue own = (*colors_)[static_cast<std::size_t>(index)];
        if (own != clDefaultColor) return own;
    }
    return SeriesColor;
}

std::string TChartSeries::Label(int index) const {
    if (index >= 0 && static_cast<std::size_t>(index) < labels_.size())
        return labels_[static_cast<std::size_t>(index)];
    return {};
}

int TChartSeries::CalcXPos(int index, const AxisScale& horiz) const {
    return horiz.CalcPosValue(XValues.Value(index));
}

int TChartSeries::CalcYPos(int index, const AxisScale& vert) const {
    return vert.CalcPosValue(YValues.Value(index));
}

std::string TChartSeries::LegendString(int index, const FormatSettings& settings) const {
    std::string text = FormatExtended(ValueFormat, MandatoryValueList().Value(index), settings);
    const std::string label = Label(index);
    if (!label.empty()) {
        text += ColumnSeparator;
        text += label;
    }
    return text;
}

}  // namespace colmara
