#include "studyview/failuremessage.h"

#include <gtest/gtest.h>

#include "runtime/exceptions.h"
#include "study/plateprofile.h"

namespace colmara {
namespace {

constexpr auto W = StrengthUnit::Weight;
constexpr auto V = StrengthUnit::Volume;

// The message of the case's calculation, as the window gets it: the study
// layer refuses a strength by volume outside 0..100 % before any solve.
std::optional<std::string> ErrorOf(const InputTexts& typed, StrengthUnit unit,
                                   const FormatSettings& settings) {
    try {
        return ProfileCase(typed, settings, unit).result.error;
    } catch (const Exception& e) {
        return MessageWithPeriod(e.Message());
    }
}

// Each case is calculated for real, so a reason is only ever given for a
// calculation that fails; it stands alone, without the calculation's text
// saying the same again.
TEST(FailureStatus, NamesTheFieldAndAPlainReasonWhereTheRulesKnowIt) {
    struct Case {
        InputTexts typed;
        StrengthUnit unit;
        const char* cause;  // null: the calculation's text alone
    };
    const Case cases[] = {
        {{"0", "10", "20", "3"}, W, "Power: 0 W heats nothing, so no vapour rises."},
        {{"1000", "0", "20", "3"}, W, "Boiler strength: 0 % holds no alcohol to separate."},
        {{"1000", "-5", "20", "3"}, W, "Boiler strength: -5 % holds no alcohol to separate."},
        {{"1000", "120", "20", "3"}, V, "Boiler strength: 120 % vol lies outside 0 to 100 % vol."},
        {{"1000", "10", "20", "-1"},
         W,
         "Reflux ratio: -1 makes reflux and product add up to nothing, so the product cannot be "
         "worked out."},
        {{"1000", "10", "", "3"}, W, "Plates: the field is empty."},
        {{"1000", "10", "1.5", "3"}, W, "Plates: '1.5' is not a whole number."},
        {{"1000", "abc", "20", "3"}, V, "Boiler strength: 'abc' is not a number."},
        // The calculation stops at the first text it cannot read, before
        // the power of 0 could fail it.
        {{"0", "10", "x", "3"}, W, "Plates: 'x' is not a whole number."},
    };
    const FormatSettings settings;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cause);
        const std::optional<std::string> error = ErrorOf(c.typed, c.unit, settings);
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(FailureStatus(c.typed, c.unit, *error, false, settings), c.cause);
    }
    // Causes the rules do not know keep the calculation's text alone, and
    // the grey curves are mentioned only when some are drawn.
    const InputTexts plain{"1000", "10", "20", "3"};
    EXPECT_EQ(FailureStatus(plain, W, "Floating point overflow.", false, settings),
              "Floating point overflow.");
    EXPECT_EQ(FailureStatus(plain, W, "Floating point overflow.", true, settings),
              "Floating point overflow. Grey curves: the last case that solved.");
}

}  // namespace
}  // namespace colmara
