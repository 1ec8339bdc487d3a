#include "study/sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <stdexcept>
#include <string>
#include <vector>

#include "study/separatecalculate.h"
#include "study/strengthtext.h"

namespace colmara {
namespace {

using test::SameResult;

std::vector<SweepRow> Collect(const SweepGrid& grid, const FormatSettings& settings,
                              unsigned threads) {
    std::vector<SweepRow> rows;
    const SweepOutcome outcome = RunSweep(
        grid, settings, [&](const SweepRow& row) { rows.push_back(row); },
        SweepControl{threads, nullptr, {}});
    EXPECT_EQ(outcome.delivered, grid.RowCount());
    EXPECT_FALSE(outcome.cancelled);
    return rows;
}

std::string Describe(const InputTexts& inputs) {
    return inputs.power + "/" + inputs.strength + "/" + inputs.plates + "/" + inputs.reflux;
}

// Power 0, reflux -1, plates 101, a negative strength and an unreadable text
// fault; in the comma locale the generated strengths carry ',' and the typed
// "1.5" fails to read. Each worker's column solves many cases in turn, so a
// value left over from an earlier case would show in a later row.
TEST(RunSweep, RowsEqualSeparateCalculations) {
    struct Case {
        InputTexts ranges;
        bool comma;
        int solved;  // rows without an error
    };
    const Case cases[] = {
        {{"0:1000:500", "1", "99:101", "-1:1"}, false, 8},
        {{"800:1200:400", "0.5:1.5:0.5", "0:2:2", "1.5"}, true, 0},
        // At 0, 1 and 2 plates: no top plate, a top plate that is the only
        // one, and one above another.
        {{"800:1200:400", "0.5:1.5:0.5", "0:2:1", "1,5"}, true, 18},
        {{"1000", "-5:20:25", "0:15:15", "1"}, false, 2},
        {{"x", "1", "20", "15"}, false, 0},
        // Generated in the exponent form, "1e-05" to "3,0000000000000004e-05".
        {{"1000", "0.00001:0.00003:0.00001", "4", "2"}, true, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Describe(c.ranges));
        const FormatSettings settings = c.comma ? test::CommaSettings() : FormatSettings();
        const SweepGrid grid(c.ranges, settings);
        const std::vector<SweepRow> rows = Collect(grid, settings, 2);
        ASSERT_EQ(rows.size(), grid.RowCount());
        for (std::uint64_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE(Describe(rows[i].inputs));
            EXPECT_EQ(rows[i].index, i);
            EXPECT_EQ(Describe(rows[i].inputs), Describe(grid.InputsAt(i)));
            EXPECT_TRUE(
                SameResult(rows[i].result, test::SeparateCalculate(rows[i].inputs, settings)));
        }
        EXPECT_EQ(std::count_if(rows.begin(), rows.end(),
                                [](const SweepRow& row) { return row.result.Solved(); }),
                  c.solved);
    }
}

// A sweep by volume is, row for row, the sweep by weight of the texts its
// strengths convert to: the same field texts and the same bits, with the
// strength as given kept beside them and the product strength by volume
// converted from the row's own. Power is fixed, so the weight sweeps, one per
// strength, follow each other in the volume sweep's order.
TEST(RunSweep, AVolumeSweepIsTheWeightSweepOfItsConvertedTexts) {
    struct Case {
        InputTexts ranges;
        bool comma;
        const char* firstGiven;
        const char* lastGiven;
    };
    const Case cases[] = {
        {{"1000", "0:100:12.5", "0:20:10", "1:3"}, false, "0", "100"},
        {{"1500", "2.5:10:2.5", "5", "1,5"}, true, "2,5", "10"},
        {{"1000", "47,39", "4:6", "-1:1"}, true, "47,39", "47,39"},
        {{"1000", "x", "20", "15"}, false, "x", "x"},  // the calculation refuses it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Describe(c.ranges));
        const FormatSettings settings = c.comma ? test::CommaSettings() : FormatSettings();
        const SweepGrid grid(c.ranges, settings, StrengthUnit::Volume);
        const std::vector<SweepRow> rows = Collect(grid, settings, 2);
        const SweepAxis& strength = grid.Axes()[1];
        std::vector<SweepRow> expected;
        for (std::uint64_t k = 0; k < strength.Count(); ++k) {
            InputTexts ranges = c.ranges;
            ranges.strength =
                StrengthFieldText(strength.GivenTextAt(k), StrengthUnit::Volume, settings);
            for (const SweepRow& row : Collect(SweepGrid(ranges, settings), settings, 2))
                expected.push_back(row);
        }
        ASSERT_EQ(rows.size(), expected.size());
        EXPECT_EQ(rows.front().givenStrength, c.firstGiven);
        EXPECT_EQ(rows.back().givenStrength, c.lastGiven);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE(Describe(rows[i].inputs));
            EXPECT_EQ(Describe(rows[i].inputs), Describe(expected[i].inputs));
            EXPECT_EQ(expected[i].givenStrength, expected[i].inputs.strength);
            EXPECT_TRUE(SameResult(rows[i].result, expected[i].result));
            const std::optional<long double> byWeight = expected[i].result.productStrength;
            EXPECT_EQ(rows[i].result.ProductStrength(StrengthUnit::Volume),
                      byWeight ? std::optional(VolumeFromWeight(*byWeight)) : std::nullopt);
        }
    }
}

TEST(RunSweep, ThreadCountNeverChangesARow) {
    const FormatSettings settings;
    const SweepGrid grid({"0:1500:500", "-1:9:2", "0:105:15", "-1:3:2"}, settings);
    const std::vector<SweepRow> one = Collect(grid, settings, 1);
    for (const unsigned threads : {2u, 8u}) {
        SCOPED_TRACE(threads);
        const std::vector<SweepRow> many = Collect(grid, settings, threads);
        ASSERT_EQ(many.size(), one.size());
        for (std::size_t i = 0; i < one.size(); ++i) {
            EXPECT_EQ(many[i].index, one[i].index);
            EXPECT_EQ(Describe(many[i].inputs), Describe(one[i].inputs));
            EXPECT_TRUE(SameResult(many[i].result, one[i].result)) << Describe(one[i].inputs);
        }
    }
}

// The flag is raised while row `stopAt` is being delivered, as a signal
// handler or another thread might: no later row follows it.
TEST(RunSweep, CancelLeavesAWholePrefixInGridOrder) {
    const FormatSettings settings;
    const SweepGrid grid({"1000", "1:4", "5:24", "1:3"}, settings);  // 240 rows
    for (const unsigned threads : {1u, 2u, 8u}) {
        for (const std::uint64_t stopAt : {0u, 17u, 150u}) {
            SCOPED_TRACE(std::to_string(threads) + " threads, stop at " + std::to_string(stopAt));
            std::atomic<bool> cancel{false};
            std::vector<std::uint64_t> delivered;
            std::uint64_t progressed = 0;
            const SweepControl control{threads, &cancel,
                                       [&](std::uint64_t done, std::uint64_t total) {
                                           EXPECT_EQ(total, 240u);
                                           EXPECT_EQ(done, progressed + 1);
                                           progressed = done;
                                       }};
            const SweepOutcome outcome = RunSweep(
                grid, settings,
                [&](const SweepRow& row) {
                    delivered.push_back(row.index);
                    if (row.index == stopAt) cancel = true;
                },
                control);
            EXPECT_TRUE(outcome.cancelled);
            EXPECT_EQ(outcome.delivered, stopAt + 1);
            EXPECT_EQ(progressed, stopAt + 1);
            ASSERT_EQ(delivered.size(), stopAt + 1);
            for (std::uint64_t i = 0; i < delivered.size(); ++i) EXPECT_EQ(delivered[i], i);
        }
    }
}

TEST(RunSweep, ACallbackFailureStopsTheSweepAndReachesTheCaller) {
    const SweepGrid grid({"1000", "1:4", "5:24", "1:3"}, FormatSettings());
    std::uint64_t calls = 0;
    EXPECT_THROW(RunSweep(
                     grid, FormatSettings(),
                     [&](const SweepRow& row) {
                         ++calls;
                         if (row.index == 9) throw std::runtime_error("disk full");
                     },
                     SweepControl{4, nullptr, {}}),
                 std::runtime_error);
    EXPECT_EQ(calls, 10u);
}

}  // namespace
}  // namespace colmara
