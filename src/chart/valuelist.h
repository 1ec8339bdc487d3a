// One coordinate of a series' points: the values in insertion or sort order
// and their lazily recomputed statistics.
#pragma once

#include <string>
#include <vector>

namespace colmara {

enum class ChartListOrder { loNone, loAscending, loDescending };

class TChartValueList {
  public:
    // Storage grows by this many entries when full, so filling a cleared
    // list with up to that many points allocates once.
    static constexpr int kGrowBy = 1000;

    explicit TChartValueList(std::string name, ChartListOrder order = ChartListOrder::loNone)
        : Name(std::move(name)), Order(order) {}

    std::string Name;
    ChartListOrder Order;
    bool DateTime = false;
    double TempValue = 0.0;  // staged by AddXY before insertion

    int Count() const { return count_; }
    double Value(int index) const { return storage_[static_cast<std::size_t>(index)]; }
    double operator[](int index) const { return Value(index); }
    int Capacity() const { return static_cast<int>(storage_.size()); }
    bool Modified() const { return modified_; }

    // Inserts v where Order puts it and returns its index.
    int AddChartValue(double v);
    // Inserts v at index, moving later values up by one.
    void InsertChartValue(int index, double v);
    // Empties the list and releases its storage.
    void Clear();

    double MinValue() const { return CurrentStats().min; }
    double MaxValue() const { return CurrentStats().max; }
    double Total() const { return CurrentStats().total; }
    double TotalABS() const { return CurrentStats().totalAbs; }
    void RecalcStats() const;

  private:
    struct Stats {
        double min = 0.0;
        double max = 0.0;
        double total = 0.0;
        double totalAbs = 0.0;
    };

    void MakeRoom();
    // The statistics, recomputed first when a value changed since.
    const Stats& CurrentStats() const {
        if (modified_) RecalcStats();
        return stats_;
    }

    std::vector<double> storage_;  // size() is the capacity; count_ entries in use
    int count_ = 0;
    mutable bool modified_ = false;
    mutable Stats stats_;
};

}  // namespace colmara
