#include "study/seek.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "model/column.h"
#include "runtime/extended.h"
#include "study/caseresult.h"
#include "study/records.h"
#include "study/separatecalculate.h"
#include "study/studyerror.h"
#include "study/sweep.h"

namespace colmara {
namespace {

using test::SameResult;

std::optional<long double> QuantityOf(const SeekRequest& request, const CaseResult& result) {
    return request.quantity == SeekQuantity::ProductStrength ? result.ProductStrength(request.unit)
                                                             : result.productAmount;
}

// Every candidate in order, as a sweep over the varied input's range.
std::vector<SweepRow> AllCandidates(const SeekRequest& request, const std::string& range) {
    InputTexts ranges = request.inputs;
    TextOf(ranges, request.vary) = range;
    std::vector<SweepRow> rows;
    RunSweep(SweepGrid(ranges, FormatSettings(), request.unit), FormatSettings(),
             [&](const SweepRow& row) { rows.push_back(row); });
    return rows;
}

// Random cases against a scan of every candidate. Plates are scanned, so the
// seek must find the scan's first hit exactly. Reflux and power (over some
// 100 candidates, so that the coarse grid leaves gaps to bisect) must find it
// whenever the quantity rises along the candidates; otherwise they must still
// stop at a hit right after a miss.
TEST(Seek, FindsWhatAScanOfEveryCandidateFinds) {
    std::mt19937 random(20240917);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution(low, high)(random); };
    int bisectedExactly = 0;
    for (int n = 0; n < 150; ++n) {
        SeekRequest request;
        request.vary = kSeekInputs[n % 3];
        const bool scanned = request.vary == Input::Plates;
        request.inputs = {std::to_string(pick(5, 30) * 100), std::to_string(pick(1, 30)),
                          std::to_string(scanned ? 0 : pick(1, 4)), std::to_string(pick(0, 40))};
        request.quantity = pick(0, 1) ? SeekQuantity::ProductStrength : SeekQuantity::ProductAmount;
        // Every other case is given in % by volume, strength and target alike.
        request.unit = n % 2 == 0 ? StrengthUnit::Weight : StrengthUnit::Volume;
        const int low = request.vary == Input::Power ? pick(1, 30) * 100 : pick(0, 6);
        const int high = low + (request.vary == Input::Reflux ? 2 : scanned ? 16 : 100);
        request.min = low;
        request.max = high;
        request.resolution = 0.02;
        const std::string range = std::to_string(low) + ":" + std::to_string(high) +
                                  (request.vary == Input::Reflux ? ":0.02" : "");
        const std::vector<SweepRow> all = AllCandidates(request, range);

        // A target met somewhere in the range, or above all of it.
        const SweepRow& probe =
            all[static_cast<std::size_t>(pick(0, static_cast<int>(all.size()) - 1))];
        const std::optional<long double> probed = QuantityOf(request, probe.result);
        request.target = probed ? static_cast<double>(*probed) : 1e9;
        SCOPED_TRACE(std::to_string(n) + ": target " + std::to_string(request.target) + " over " +
                     range);

        const SeekResult result = Seek(request, FormatSettings());
        std::optional<std::size_t> firstHit;
        bool rising = true;
        for (std::size_t i = 0; i < all.size(); ++i) {
            const auto quantity = QuantityOf(request, all[i].result);
            if (!firstHit && quantity && static_cast<double>(*quantity) >= request.target)
                firstHit = i;
            const auto before = i > 0 ? QuantityOf(request, all[i - 1].result) : quantity;
            rising = rising && quantity && before && *before <= *quantity;
        }
        if (scanned || rising) {
            ASSERT_EQ(result.reachable, firstHit.has_value());
            if (firstHit) {
                EXPECT_EQ(result.row.index, *firstHit);
            }
            bisectedExactly += !scanned && firstHit && *firstHit > 0;
        }
        if (!result.reachable) continue;
        const SweepRow& found = all[result.row.index];
        EXPECT_EQ(result.value, TextOf(found.inputs, request.vary));
        EXPECT_TRUE(SameResult(result.row.result, found.result));
        const auto quantity = QuantityOf(request, found.result);
        ASSERT_TRUE(quantity.has_value());
        EXPECT_GE(static_cast<double>(*quantity), request.target);
        if (result.row.index > 0) {
            const auto before = QuantityOf(request, all[result.row.index - 1].result);
            EXPECT_TRUE(!before || static_cast<double>(*before) < request.target);
        }
    }
    EXPECT_GT(bisectedExactly, 30);  // the bisection was put to the test
}

// What a scan of every count returns: the first count whose quantity as
// printed reaches the target, else the first with the highest quantity, else
// the lowest count.
struct Scanned {
    std::size_t index = 0;
    bool reached = false;
};
Scanned ScanOfEvery(const SeekRequest& request, const std::vector<SweepRow>& all) {
    std::optional<std::size_t> best;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const auto quantity = QuantityOf(request, all[i].result);
        if (!quantity) continue;
        if (static_cast<double>(*quantity) >= request.target) return {i, true};
        if (!best || *quantity > *QuantityOf(request, all[*best].result)) best = i;
    }
    return {best.value_or(0), false};
}

// A plate seek stops at the first count whose column more plates would only
// repeat, and returns what solving every count returns, row for row and bit
// for bit, for targets reached, just missed (the best's quantity and the
// next double up) and out of reach, of product strength and amount.
// The plate scan compares products solved by the passes alone: over a grid
// of columns, ordinary and hostile, they are the full calculation's bit for
// bit, and where the passes fail, they fail with the same message.
TEST(Seek, TheProductAloneIsTheFullCalculations) {
    Column column;
    int solved = 0;
    for (const char* power : {"1", "1000", "2147483647"})
        for (const char* strength : {"0.0000001", "10", "60", "99.99", "-5", "abc"})
            for (const char* reflux : {"-0.9999", "0", "3", "1e300"})
                for (const char* efficiency : {"100", "50", "1"})
                    for (const char* plates : {"0", "1", "7", "100"}) {
                        const InputTexts inputs{power, strength, plates, reflux, efficiency};
                        const CaseResult product = SolveProduct(column, inputs, {});
                        const CaseResult full = SolveCase(column, inputs, {});
                        SCOPED_TRACE(std::string(power) + " W, " + strength + " %, " + plates +
                                     " plates, reflux " + reflux + ", " + efficiency + " %");
                        if (!product.Solved()) {
                            EXPECT_EQ(product.error, full.error);
                        } else if (full.Solved()) {
                            ++solved;
                            EXPECT_TRUE(SameBits(*product.productStrength, *full.productStrength));
                            EXPECT_TRUE(SameBits(*product.productAmount, *full.productAmount));
                        }
                    }
    EXPECT_GT(solved, 300);
}

TEST(Seek, PlatesStopWhereMorePlatesOnlyRepeatAndFindWhatEveryCountFinds) {
    struct Case {
        InputTexts inputs;  // the plates text is not read
        const char* range;
        StrengthUnit unit;
        const char* why;
    };
    constexpr StrengthUnit kWeight = StrengthUnit::Weight;
    const Case cases[] = {
        {{"1000", "10", "", "3"}, "0:100", kWeight, "the azeotrope near 23 plates"},
        {{"1000", "10", "", "1000"}, "0:100", kWeight, "much reflux: an early pinch"},
        {{"1000", "1", "", "0.2"}, "0:100", kWeight, "a weak wash at little reflux"},
        {{"1000", "60", "", "3"}, "0:100", kWeight, "a strong boiler"},
        {{"1000", "10", "", "0"}, "0:100", kWeight, "no reflux: the first plate pinches"},
        {{"20000", "5", "", "0.05"}, "0:100", kWeight, "a flood of vapour"},
        // Passes that march the whole column decide on its top plate, so
        // every count is solved.
        {{"1000", "30", "", "0.5"}, "0:100", kWeight, "near a tangent pinch"},
        {{"1000", "30", "", "1"}, "0:100", kWeight, "still rising at 100 plates"},
        // Below an efficiency of 1 only pinches stop the scan.
        {{"1000", "1", "", "40", "60"}, "0:100", kWeight, "poor plates that pinch"},
        {{"1000", "10", "", "3", "90"}, "0:100", kWeight, "good plates that never pinch"},
        {{"1000", "5", "", "3", "1"}, "0:100", kWeight, "the least efficiency"},
        {{"0", "10", "", "3"}, "0:100", kWeight, "no power: every count fails"},
        // The passes solve every count, but every count's report faults: the
        // count the products settle on fails in full, and the scan is run
        // again with full solves.
        {{"1", "-5", "", "-0.9999"}, "0:100", kWeight, "a negative boiler: reports fault"},
        {{"1000", "10", "", "3"}, "5:40", kWeight, "bounds: the stop within them"},
        {{"1000", "10", "", "3", "60"}, "30:100", kWeight, "from 30 poor plates"},
        {{"1000", "30", "", "8"}, "0:100", StrengthUnit::Volume, "by volume"},
    };
    int stoppedEarly = 0;
    for (const Case& c : cases) {
        SeekRequest request;
        request.inputs = c.inputs;
        request.unit = c.unit;
        const std::string range = c.range;
        request.min = std::stod(range.substr(0, range.find(':')));
        request.max = std::stod(range.substr(range.find(':') + 1));
        const std::vector<SweepRow> all = AllCandidates(request, range);
        for (const SeekQuantity quantity :
             {SeekQuantity::ProductStrength, SeekQuantity::ProductAmount}) {
            request.quantity = quantity;
            request.target = 1e9;
            const auto best = QuantityOf(request, all[ScanOfEvery(request, all).index].result);
            const double top = best ? static_cast<double>(*best) : 0;
            for (const double target : {top, std::nextafter(top, 1e9), 1e9}) {
                request.target = target;
                SCOPED_TRACE(std::string(c.why) + ", target " + PlainNumber(target));
                const Scanned expected = ScanOfEvery(request, all);
                const SeekResult result = Seek(request, FormatSettings());
                ASSERT_EQ(result.reachable, expected.reached);
                ASSERT_EQ(result.row.index, expected.index);
                EXPECT_EQ(result.value, all[expected.index].inputs.plates);
                EXPECT_TRUE(SameResult(result.row.result, all[expected.index].result));
                stoppedEarly += !expected.reached && result.solves < all.size();
            }
        }
    }
    EXPECT_GT(stoppedEarly, 30);  // the stop was put to the test
}

// The printed number is the shortest text of the double nearest the
// calculated value, so read back it may lie just above that value. A target
// copied from a printed row is reached by that row all the same: seeking
// between the candidate before it and it finds it.
TEST(Seek, ATargetCopiedFromAPrintedRowIsReachedByThatRow) {
    struct Case {
        Input vary;
        SeekQuantity quantity;
        InputTexts inputs;
        const char* range;
    };
    const Case cases[] = {
        {Input::Plates, SeekQuantity::ProductStrength, {"1500", "10", "", "15"}, "0:40"},
        {Input::Reflux, SeekQuantity::ProductStrength, {"1000", "10", "10", ""}, "1:2:0.01"},
        {Input::Power, SeekQuantity::ProductAmount, {"", "10", "10", "3"}, "1000:1100"},
    };
    for (const Case& c : cases) {
        SeekRequest request;
        request.vary = c.vary;
        request.quantity = c.quantity;
        request.inputs = c.inputs;
        const std::vector<SweepRow> all = AllCandidates(request, c.range);
        int printedAbove = 0;
        for (std::size_t i = 1; i < all.size(); ++i) {
            const std::optional<long double> quantity = QuantityOf(request, all[i].result);
            const std::optional<std::string> printed = NumberText(quantity);
            ASSERT_TRUE(printed.has_value()) << c.range;
            request.target = std::stod(*printed);
            if (request.target <= *quantity) continue;
            ++printedAbove;
            const std::string& value = TextOf(all[i].inputs, request.vary);
            request.min = std::stod(TextOf(all[i - 1].inputs, request.vary));
            request.max = std::stod(value);
            SCOPED_TRACE(value + ": target " + *printed);
            const SeekResult result = Seek(request, FormatSettings());
            EXPECT_TRUE(result.reachable);
            EXPECT_EQ(result.value, value);
        }
        EXPECT_GT(printedAbove, 2) << c.range;  // the case the rule is for did occur
    }
}

TEST(Seek, SaysWhenTheTargetIsOutOfReach) {
    struct Case {
        SeekRequest request;
        const char* message;  // up to the best value
        long double bestAbove;
        long double bestBelow;
    };
    const Case cases[] = {
        {{{"1000", "10", "20", "3"},
          Input::Plates,
          SeekQuantity::ProductStrength,
          97,
          {},
          {},
          0.01},
         "product strength 97 % is out of reach with plates from 0 to 100: the best is 95.5",
         95.5L,
         95.6L},
        {{{"1000", "10", "20", "3"},
          Input::Reflux,
          SeekQuantity::ProductAmount,
          5000,
          {},
          {},
          0.01},
         "product amount 5000 g/h is out of reach with reflux from 0 to 100: the best is ",
         2000,
         5000},
        {{{"1000", "12.5", "20", "3"},
          Input::Plates,
          SeekQuantity::ProductStrength,
          98,
          {},
          {},
          0.01,
          StrengthUnit::Volume},
         "product strength 98 % vol is out of reach with plates from 0 to 100: the best is 97.1",
         97.1L,
         97.2L},
        {{{"1000", "1", "20", "-1"}, Input::Power, SeekQuantity::ProductAmount, 1, 1, 1, 0.01},
         "product amount 1 g/h is out of reach with power from 1 to 1: no case could be "
         "calculated (Floating point division by zero.)",
         0,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const SeekResult result = Seek(c.request, FormatSettings());
        EXPECT_FALSE(result.reachable);
        const std::string message = UnreachableMessage(c.request, result);
        EXPECT_EQ(message.substr(0, std::string(c.message).size()), c.message);
        const auto best = QuantityOf(c.request, result.row.result);
        if (!best) continue;
        EXPECT_GT(*best, c.bestAbove);
        EXPECT_LT(*best, c.bestBelow);
        EXPECT_NE(
            message.find(" at " +
                         std::string(c.request.vary == Input::Plates ? "plates " : "reflux ") +
                         result.value),
            std::string::npos);
    }
}

TEST(Seek, RefusesBoundsItCannotUse) {
    struct Case {
        Input vary;
        std::optional<double> min, max;
        double resolution;
        const char* message;
    };
    const Case cases[] = {
        {Input::Plates, 10, 5, 0.01, "plates: minimum 10 is above maximum 5"},
        {Input::Plates, 0, 101, 0.01,
         "plates: bounds must be from 0 to 100, the values plates can take"},
        {Input::Plates,
         -1,
         {},
         0.01,
         "plates: bounds must be from 0 to 100, the values plates can take"},
        {Input::Reflux,
         -1,
         {},
         0.01,
         "reflux: bounds must be 0 or more, the values reflux can take"},
        {Input::Reflux, -3, -2, 0.01,
         "reflux: bounds must be 0 or more, the values reflux can take"},
        {Input::Power, -5, {}, 0.01, "power: bounds must be 1 or more, the values power can take"},
        {Input::Power, 0, 0, 0.01, "power: bounds must be 1 or more, the values power can take"},
        {Input::Power, 1.5, {}, 0.01, "power: 1.5 is not a whole number in range '1.5:100000'"},
        {Input::Reflux, {}, {}, 0, "reflux: resolution 0 is not above 0"},
        {Input::Strength, {}, {}, 0.01, "strength: a seek does not vary this input"},
        {Input::Reflux, 0, 1e6, 0.01,
         "reflux: more than 10000000 values in range '0:1000000:0.01'"},
    };
    for (const Case& c : cases) {
        SeekRequest request;
        request.vary = c.vary;
        request.min = c.min;
        request.max = c.max;
        request.resolution = c.resolution;
        try {
            Seek(request, FormatSettings());
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const StudyError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
}

}  // namespace
}  // namespace colmara
