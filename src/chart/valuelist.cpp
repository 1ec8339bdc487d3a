#include "chart/valuelist.h"

#include <algorithm>
#include <cmath>

namespace colmara {

void TChartValueList::MakeRoom() {
    if (count_ == Capacity()) storage_.resize(storage_.size() + kGrowBy);
}

int TChartValueList::AddChartValue(double v) {
    int index = count_;
    if (count_ > 0) {
        // Scan back from the end while v belongs before the value there; the
        // new value goes just after the place where the scan stopped.
        // Ascending 1, 3, 5 + v=2: stops at index 0 (1), inserts at 1.
        if (Order == ChartListOrder::loAscending && v < Value(count_ - 1)) {
            int t = count_ - 1;
            while (t >= 0 && v < Value(t)) --t;
            index = t + 1;
        } else if (Order == ChartListOrder::loDescending && v > Value(count_ - 1)) {
            int t = count_ - 1;
            while (t >= 0 && v > Value(t)) --t;
            index = t + 1;
        }
    }
    InsertChartValue(index, v);
    return index;
}

void TChartValueList::InsertChartValue(int index, double v) {
    index = std::clamp(index, 0, count_);
    MakeRoom();
    auto first = storage_.begin() + index;
    std::copy_backward(first, storage_.begin() + count_, storage_.begin() + count_ + 1);
    *first = v;
    ++count_;
    modified_ = true;
}

void TChartValueList::Clear() {
    storage_ = {};
    count_ = 0;
    modified_ = true;
}

void TChartValueList::RecalcStats() const {
    if (count_ <= 0) {
        stats_ = Stats{};
    } else {
        stats_.min = stats_.max = stats_.total = storage_[0];
        stats_.totalAbs = std::fabs(storage_[0]);
        for (int i = 1; i < count_; ++i) {
            const double v = storage_[static_cast<std::size_t>(i)];
            if (v < stats_.min)
                stats_.min = v;
            else if (v > stats_.max)
                stats_.max = v;
            stats_.total += v;
            stats_.totalAbs += std::fabs(v);
        }
    }
    modified_ = false;
}

}  // namespace colmara
