#include "studyview/fieldrules.h"

#include <gtest/gtest.h>

#include "study/valuetext.h"

namespace colmara {
namespace {

using enum Input;
constexpr auto W = StrengthUnit::Weight;
constexpr auto V = StrengthUnit::Volume;

FormatSettings Comma() {
    return {",", "."};
}

TEST(FieldNote, FlagsOnlyValuesWithoutPhysicalMeaning) {
    struct Case {
        Input field;
        const char* text;
        StrengthUnit unit;
        bool comma;
        const char* note;  // null: none
    };
    const Case cases[] = {
        {Power, "1000", W, false, nullptr},
        {Power, "0", W, false, nullptr},
        {Power, "-1", W, false, "A negative heating power has no physical meaning."},
        {Power, "-abc", W, false, nullptr},  // no number: the calculation names it
        {Strength, "0", W, false, nullptr},
        {Strength, "100", W, false, nullptr},
        {Strength, "100.0001", W, false, "A strength lies between 0 and 100 %."},
        {Strength, "-0.5", V, false, "A strength lies between 0 and 100 % vol."},
        {Strength, "-0,5", W, true, "A strength lies between 0 and 100 %."},
        {Strength, "-0.5", W, true, nullptr},  // '.' is no decimal symbol here
        {Plates, "-3", W, false, nullptr},
        {Reflux, "0", W, false, nullptr},
        {Reflux, "-0.01", W, false, "A reflux ratio below 0 has no physical meaning."},
        {Reflux, "-1e-300", W, false, "A reflux ratio below 0 has no physical meaning."},
    };
    for (const Case& c : cases) {
        const auto note = FieldNote(c.field, c.text, c.unit, c.comma ? Comma() : FormatSettings{});
        EXPECT_EQ(note.value_or("(none)"), c.note ? c.note : "(none)") << c.text;
    }
}

TEST(SteppedText, StepsTheNumberAndKeepsItsDecimals) {
    struct Case {
        Input field;
        const char* text;
        int steps;
        double step;
        bool comma;
        const char* stepped;  // null: does not step
    };
    const Case cases[] = {
        {Power, "1000", 1, 100, false, "1100"},
        {Power, "$10", -1, 1, false, "15"},
        {Power, "2147483647", 1, 100, false, nullptr},  // past the integer range
        {Plates, "20", -3, 1, false, "17"},
        {Plates, "2.5", 1, 1, false, nullptr},  // the integer field reads no decimals
        {Strength, "0.1", 2, 0.1, false, "0.3"},
        {Strength, "10", 1, 1, false, "11"},
        {Strength, "9,75", 1, 1, true, "10,75"},
        {Reflux, "3.333", 1, 0.5, false, "3.833"},
        {Reflux, "0", -1, 0.5, false, "-0.5"},
        {Reflux, "abc", 1, 0.5, false, nullptr},
        {Reflux, "", 1, 0.5, false, nullptr},
    };
    for (const Case& c : cases) {
        const auto text =
            SteppedText(c.field, c.text, c.steps, c.step, c.comma ? Comma() : FormatSettings{});
        EXPECT_EQ(text.value_or("(none)"), c.stepped ? c.stepped : "(none)") << c.text;
    }
}

TEST(RunName, NamesARunByItsInputs) {
    EXPECT_EQ(RunName({"2000", "10", "20", "3"}, W), "2000 W, 10 %, 20 plates, R 3");
    EXPECT_EQ(RunName({"500", "12,5", "8", "1,5"}, V), "500 W, 12,5 % vol, 8 plates, R 1,5");
}

}  // namespace
}  // namespace colmara
