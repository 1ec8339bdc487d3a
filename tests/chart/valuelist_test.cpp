#include "chart/valuelist.h"

#include <gtest/gtest.h>

#include <vector>

namespace colmara {
namespace {

std::vector<double> ValuesOf(const TChartValueList& list) {
    std::vector<double> out;
    for (int i = 0; i < list.Count(); ++i) out.push_back(list[i]);
    return out;
}

TEST(TChartValueList, OrderDecidesWhereAValueGoes) {
    struct Case {
        ChartListOrder order;
        std::vector<double> added;
        std::vector<int> indices;
        std::vector<double> values;
    };
    const Case cases[] = {
        {ChartListOrder::loNone, {10, 30, 20}, {0, 1, 2}, {10, 30, 20}},
        {ChartListOrder::loAscending, {10, 30, 20}, {0, 1, 1}, {10, 20, 30}},
        {ChartListOrder::loAscending, {5, 3, 1}, {0, 0, 0}, {1, 3, 5}},
        {ChartListOrder::loAscending, {2, 2, 1, 2}, {0, 1, 0, 3}, {1, 2, 2, 2}},
        {ChartListOrder::loDescending, {10, 30, 20}, {0, 0, 1}, {30, 20, 10}},
        {ChartListOrder::loDescending, {1, 1, 3}, {0, 1, 0}, {3, 1, 1}},
    };
    for (const Case& c : cases) {
        TChartValueList list("X", c.order);
        std::vector<int> indices;
        for (double v : c.added) indices.push_back(list.AddChartValue(v));
        EXPECT_EQ(indices, c.indices);
        EXPECT_EQ(ValuesOf(list), c.values);
    }
}

TEST(TChartValueList, InsertMovesLaterValuesUp) {
    TChartValueList list("Y");
    list.AddChartValue(1);
    list.AddChartValue(3);
    list.InsertChartValue(1, 2);
    list.InsertChartValue(0, 0);
    EXPECT_EQ(ValuesOf(list), (std::vector<double>{0, 1, 2, 3}));
}

TEST(TChartValueList, StatisticsAreRecomputedAtTheFirstReadAfterAChange) {
    TChartValueList list("X");
    EXPECT_EQ(list.MinValue(), 0.0);  // empty: all zero
    EXPECT_EQ(list.MaxValue(), 0.0);
    EXPECT_EQ(list.Total(), 0.0);
    EXPECT_FALSE(list.Modified());

    for (double v : {4.0, -6.0, 10.0, 2.0}) list.AddChartValue(v);
    EXPECT_TRUE(list.Modified());
    EXPECT_EQ(list.MinValue(), -6.0);
    EXPECT_FALSE(list.Modified());
    EXPECT_EQ(list.MaxValue(), 10.0);
    EXPECT_EQ(list.Total(), 10.0);
    EXPECT_EQ(list.TotalABS(), 22.0);

    list.AddChartValue(-7.0);
    EXPECT_EQ(list.MinValue(), -7.0);

    list.Clear();
    EXPECT_TRUE(list.Modified());
    EXPECT_EQ(list.MaxValue(), 0.0);
    EXPECT_EQ(list.TotalABS(), 0.0);
}

TEST(TChartValueList, FirstValueSetsBothEndsEvenWhenLaterOnesOnlyFall) {
    TChartValueList list("X");
    for (double v : {5.0, 4.0, 3.0}) list.AddChartValue(v);
    EXPECT_EQ(list.MinValue(), 3.0);
    EXPECT_EQ(list.MaxValue(), 5.0);
}

TEST(TChartValueList, StorageGrowsByAThousandAndIsReleasedByClear) {
    TChartValueList list("X");
    EXPECT_EQ(list.Capacity(), 0);
    list.AddChartValue(1);
    EXPECT_EQ(list.Capacity(), 1000);
    for (int i = 1; i < 1000; ++i) list.AddChartValue(i);
    EXPECT_EQ(list.Capacity(), 1000);
    list.AddChartValue(0);
    EXPECT_EQ(list.Capacity(), 2000);
    EXPECT_EQ(list.Count(), 1001);
    EXPECT_EQ(list[999], 999.0);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
}

}  // namespace
}  // namespace colmara
