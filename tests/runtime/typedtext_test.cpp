// Typed numbers: the blanks around them are not part of them, the locale's
// decimal symbol reads as '.', and a number beyond a double is out of range,
// never inf or 0.
#include "runtime/typedtext.h"

#include <gtest/gtest.h>

namespace colmara {
namespace {

TEST(TypedText, TrimsAndReadsTheLocalesDecimalSymbol) {
    const FormatSettings comma{",", "."};
    EXPECT_EQ(WithDecimalPoint(" 1.5 ", {}), "1.5");
    EXPECT_EQ(WithDecimalPoint("\t1,5 ", comma), "1.5");
    EXPECT_EQ(WithDecimalPoint(" ", comma), "");
}

TEST(TypedText, ReadsAWholeNumberOrSaysWhyNot) {
    using Kind = DecimalNumber::Kind;
    const struct {
        const char* text;
        Kind kind;
        double value;
    } cases[] = {
        {"1.5", Kind::Finite, 1.5},      {"-2e3", Kind::Finite, -2000},
        {"", Kind::NotANumber, 0},       {"1.5x", Kind::NotANumber, 0},
        {"nan", Kind::NotANumber, 0},    {"1,5", Kind::NotANumber, 0},  // written with '.' by now
        {"1e400", Kind::OutOfRange, 0},  {"-1e400", Kind::OutOfRange, 0},
        {"1e-400", Kind::OutOfRange, 0},  // not 0: a tiny interval is no interval of 0
        {"inf", Kind::OutOfRange, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const DecimalNumber number = ReadDecimal(c.text);
        EXPECT_EQ(number.kind, c.kind);
        EXPECT_EQ(number.value, c.value);
    }
}

}  // namespace
}  // namespace colmara
