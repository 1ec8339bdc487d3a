#include "study/sweepaxis.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "study/separatecalculate.h"
#include "study/studyerror.h"
#include "study/sweepgrid.h"

namespace colmara {
namespace {

std::vector<std::string> Texts(const SweepAxis& axis) {
    std::vector<std::string> texts;
    for (std::uint64_t i = 0; i < axis.Count(); ++i) texts.push_back(axis.TextAt(i));
    return texts;
}

TEST(SweepAxis, GeneratesShortestFieldTexts) {
    using V = std::vector<std::string>;
    struct Case {
        const char* text;
        bool integral;
        bool comma;
        V texts;
    };
    const Case cases[] = {
        {"15", false, false, V{"15"}},  // one field text, as typed
        {" 1,5x", false, true, V{" 1,5x"}},
        {"1:5", true, false, V{"1", "2", "3", "4", "5"}},
        {"5:1:-2", true, false, V{"5", "3", "1"}},
        {"-1:1:0.5", false, false, V{"-1", "-0.5", "0", "0.5", "1"}},
        {"-1:1:0.5", false, true, V{"-1", "-0,5", "0", "0,5", "1"}},
        {"3:3:7", true, false, V{"3"}},
        // FROM + i x STEP in exact decimals, not a running sum of doubles.
        {"0:0.3:0.1", false, false, V{"0", "0.1", "0.2", "0.3"}},
        // The last value is the last one not beyond TO, however close.
        {"0:1.9", false, false, V{"0", "1"}},
        {"1:2:0.6", false, false, V{"1", "1.6"}},
        {"0:1:0.3", false, false, V{"0", "0.3", "0.6", "0.9"}},
        {"95:100:3", true, false, V{"95", "98"}},
        {"0:10:6", true, false, V{"0", "6"}},
        {"10:0:-6", true, false, V{"10", "4"}},
        {"0:0.99999:0.1", false, false,
         V{"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9"}},
        {"0:1.05:0.35", false, false, V{"0", "0.35", "0.7", "1.05"}},  // 3 x 0.35 is 1.05 exactly
        // Without short decimals TO counts when the quotient is a rounding short.
        {"0:1.5e-19:3e-20", false, false,
         V{"0", "3e-20", "6e-20", "9e-20", "1.2e-19", "1.5000000000000002e-19"}},
        {"0:1.4e-19:3e-20", false, false, V{"0", "3e-20", "6e-20", "9e-20", "1.2e-19"}},
        {"0:2.9e20:1e20", false, false, V{"0", "1e+20", "2e+20"}},
        {"0.00001:0.00003:0.00001", false, true, V{"0,00001", "0,00002", "0,00003"}},
        {"100000:300000:100000", true, false, V{"100000", "200000", "300000"}},
        // Beyond 2^53 units the values are doubles again, in their shortest text.
        {"0:2e20:1e20", false, false, V{"0", "1e+20", "2e+20"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const FormatSettings settings = c.comma ? test::CommaSettings() : FormatSettings();
        EXPECT_EQ(Texts(SweepAxis::Parse("x", c.text, c.integral, settings)), c.texts);
    }
    const SweepAxis tenths = SweepAxis::Parse("reflux", "0:3:0.1", false, FormatSettings());
    ASSERT_EQ(tenths.Count(), 31u);
    EXPECT_EQ(tenths.TextAt(29), "2.9");
    EXPECT_EQ(tenths.TextAt(30), "3");
    // Every value given by volume lies within 0..100 % when TO does.
    const SweepAxis byVolume =
        SweepAxis::Parse("strength", "95:100:3", false, FormatSettings(), StrengthUnit::Volume);
    EXPECT_EQ(byVolume.Count(), 2u);
    EXPECT_EQ(byVolume.GivenTextAt(1), "98");
}

TEST(SweepAxis, RefusesBadRangesNamingTheInput) {
    struct Case {
        const char* name;
        const char* text;
        bool integral;
        const char* message;
    };
    const Case cases[] = {
        {"plates", "1:10:0", true, "plates: step 0 in range '1:10:0'"},
        {"power", "10:1", true, "power: step 1 never reaches 1 from 10 in range '10:1'"},
        {"reflux", "1:3:-0.5", false,
         "reflux: step -0.5 never reaches 3 from 1 in range '1:3:-0.5'"},
        {"strength", "a:5", false, "strength: 'a' is not a number in range 'a:5'"},
        {"strength", "1,5:3", false, "strength: '1,5' is not a number in range '1,5:3'"},
        {"strength", "1:", false, "strength: '' is not a number in range '1:'"},
        {"strength", "inf:5", false, "strength: 'inf' is not a number in range 'inf:5'"},
        {"strength", "1:2:3:4", false, "strength: range '1:2:3:4' is not FROM:TO or FROM:TO:STEP"},
        {"plates", "1.5:3", true, "plates: 1.5 is not a whole number in range '1.5:3'"},
        {"power", "1:3:0.5", true, "power: 0.5 is not a whole number in range '1:3:0.5'"},
        {"reflux", "0:1e7", false, "reflux: more than 10000000 values in range '0:1e7'"},
        {"reflux", "-1e308:1e308", false,
         "reflux: more than 10000000 values in range '-1e308:1e308'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            SweepAxis::Parse(c.name, c.text, c.integral, FormatSettings());
            ADD_FAILURE() << "accepted";
        } catch (const StudyError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
    EXPECT_EQ(SweepAxis::Parse("reflux", "1:10000000", false, FormatSettings()).Count(), 10000000u);
}

TEST(SweepGrid, RowsInGridOrderComputedFromTheirIndex) {
    const SweepGrid grid({"1000:2000:1000", "1", "5:6", "0:2"}, FormatSettings());
    ASSERT_EQ(grid.RowCount(), 12u);
    const InputTexts first = grid.InputsAt(0);
    const InputTexts fourth = grid.InputsAt(4);
    const InputTexts last = grid.InputsAt(11);
    EXPECT_EQ(first.power + " " + first.strength + " " + first.plates + " " + first.reflux,
              "1000 1 5 0");
    EXPECT_EQ(fourth.power + " " + fourth.plates + " " + fourth.reflux, "1000 6 1");
    EXPECT_EQ(last.power + " " + last.plates + " " + last.reflux, "2000 6 2");

    try {
        SweepGrid({"1:1000", "1:100", "0:100", "1:2"}, FormatSettings());
        ADD_FAILURE() << "accepted 20200000 rows";
    } catch (const StudyError& e) {
        EXPECT_EQ(e.Message(),
                  "sweep: more than 10000000 rows (power 1000 x strength 100 x plates 101 x "
                  "reflux 2)");
    }
}

}  // namespace
}  // namespace colmara
