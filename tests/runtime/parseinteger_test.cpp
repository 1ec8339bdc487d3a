#include <gtest/gtest.h>

#include <string>

#include "runtime/exceptions.h"
#include "runtime/numconv.h"

namespace colmara {
namespace {

struct Accepted {
    const char* text;
    std::int32_t value;
};

void ExpectAccepted(std::initializer_list<Accepted> rows) {
    for (const Accepted& row : rows) {
        try {
            EXPECT_EQ(ParseInteger(row.text), row.value) << '"' << row.text << '"';
        } catch (const EConvertError& e) {
            ADD_FAILURE() << '"' << row.text << "\" refused: " << e.Message();
        }
    }
}

void ExpectRefused(std::initializer_list<std::string> texts) {
    for (const std::string& text : texts) {
        try {
            const std::int32_t value = ParseInteger(text);
            ADD_FAILURE() << '"' << text << "\" accepted as " << value;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "'" + text + "' is not a valid integer value");
        }
    }
}

TEST(ParseInteger, ReadsDecimalDigitsWithLeadingSpacesAndOneSign) {
    ExpectAccepted({{"0", 0},
                    {"007", 7},
                    {" 42", 42},
                    {"   -42", -42},
                    {"+5", 5},
                    {"-0", 0},
                    {"1000", 1000},
                    {"20", 20}});
    ExpectRefused({"", "   ", "42 ", "4 2", "+-1", "--5", "- 5", "+", "-", "\t42", "1.0", "1e3",
                   "abc", "12a", std::string("1\0", 2)});
}

TEST(ParseInteger, HoldsTheThirtyTwoBitLimits) {
    ExpectAccepted({{"2147483647", 2147483647},
                    {"-2147483648", INT32_MIN},
                    {"0002147483647", 2147483647},
                    {"214748364", 214748364}});
    ExpectRefused({"2147483648", "-2147483649", "21474836470", "99999999999999999999"});
}

TEST(ParseInteger, ReadsHexadecimalWithEveryPrefix) {
    ExpectAccepted({{"$10", 16},
                    {"x10", 16},
                    {"X10", 16},
                    {"0x10", 16},
                    {"0X10", 16},
                    {"-$10", -16},
                    {"+$aBc", 0xABC},
                    {" $ff", 255},
                    {"$7FFFFFFF", 2147483647},
                    {"$FFFFFFFF", -1},
                    {"$80000000", INT32_MIN},
                    {"-$FFFFFFFF", 1},
                    {"-$80000000", INT32_MIN},
                    {"$000000001", 1},
                    {"$00000000FFFFFFFF", -1}});
    ExpectRefused({"$", "0x", "x", "-$", "$100000000", "$G", "$1 ", "$ 1", "0x-1", "00x10", "$$1"});
}

TEST(ParseInteger, MessageKeepsTheTextVerbatim) {
    ExpectRefused({"abc", "100%", "%s%d", "  x  ", "'quoted'", std::string(300, '9')});
    try {
        ParseInteger("abc");
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'abc' is not a valid integer value");
    }
}

TEST(FormatInteger, WritesPlainDecimal) {
    EXPECT_EQ(FormatInteger(7), "7");
    EXPECT_EQ(FormatInteger(0), "0");
    EXPECT_EQ(FormatInteger(-15), "-15");
    EXPECT_EQ(FormatInteger(INT32_MIN), "-2147483648");
    EXPECT_EQ(FormatInteger(INT32_MAX), "2147483647");
    for (std::int32_t v : {INT32_MIN, -1000, -1, 0, 1, 99, INT32_MAX})
        EXPECT_EQ(ParseInteger(FormatInteger(v)), v);
}

}  // namespace
}  // namespace colmara
