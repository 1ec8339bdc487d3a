#include "ui/chartplaceholder.h"

namespace colmara {

ChartPlaceholder::ChartPlaceholder(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setFocusPolicy(Qt::NoFocus);
}

void ChartPlaceholder::ClearChart() {
    points_.clear();
}

void ChartPlaceholder::AddChartPoint(double value) {
    points_.push_back(value);
}

}  // namespace colmara
