#include <gtest/gtest.h>

#include <cfenv>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "runtime/exceptions.h"
#include "runtime/extended.h"
#include "runtime/numconv.h"

namespace colmara {
namespace {

const FormatSettings kDot;  // '.' and ','

FormatSettings Comma() {
    return {.decimalSeparator = ",", .thousandSeparator = "."};
}

struct Accepted {
    const char* text;
    long double value;
};

void ExpectAccepted(std::initializer_list<Accepted> rows, const FormatSettings& settings = kDot) {
    for (const Accepted& row : rows) {
        try {
            const long double value = ParseExtended(row.text, settings);
            EXPECT_EQ(value, row.value) << '"' << row.text << '"';
            EXPECT_EQ(std::signbit(value), std::signbit(row.value)) << '"' << row.text << '"';
        } catch (const EConvertError& e) {
            ADD_FAILURE() << '"' << row.text << "\" refused: " << e.Message();
        }
    }
}

void ExpectRefused(std::initializer_list<std::string> texts,
                   const FormatSettings& settings = kDot) {
    for (const std::string& text : texts) {
        try {
            const long double value = ParseExtended(text, settings);
            ADD_FAILURE() << '"' << text << "\" accepted as " << static_cast<double>(value);
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "'" + text + "' is not a valid floating point value");
        }
    }
}

TEST(ParseExtended, AcceptsDigitsSeparatorSignAndSpaces) {
    ExpectAccepted({{"  12.5  ", 12.5L},
                    {"12.", 12.0L},
                    {".5", 0.5L},
                    {"+.5", 0.5L},
                    {"-3", -3.0L},
                    {"  7  ", 7.0L},
                    {"0", 0.0L},
                    {"007.250", 7.25L},
                    {"1", 1.0L},
                    {"15", 15.0L}});
    ExpectRefused({"",      "   ", "INF",   "NAN",  "inf",
                   "1 000", "1,5", "--5",   "- 5",  "+-5",
                   "\t5",   "5\t", "1.2.3", "e5",   "+",
                   "-",     "1x",  "$10",   "0x10", std::string("1\0", 2)});
}

TEST(ParseExtended, ASeparatorAloneIsZero) {
    ExpectAccepted(
        {{".", 0.0L}, {" . ", 0.0L}, {"-.", -0.0L}, {"+.", 0.0L}, {".e5", 0.0L}, {"-0", -0.0L}});
}

TEST(ParseExtended, ReadsTheExponentUpToFiveHundred) {
    ExpectAccepted({{"1e5", 100000.0L},
                    {"2.5E-3", 0.0025L},
                    {"1E", 1.0L},
                    {"1E+", 1.0L},
                    {"1e-", 1.0L},
                    {"3E+2", 300.0L},
                    {"1E-4999", 0.0L},
                    {"-1E-4999", -0.0L},
                    {"1E00000000002", 100.0L}});
    ExpectRefused({"1E5000", "1E-5000", "1E4999", "1E1000000", "1E 5", "1EE5", "1E+-5"});
    // The last digit of "1E0500" is read: leading zeros are free.
    const long double big = ParseExtended("1E0500", kDot);
    const long double exact = std::strtold("1e500", nullptr);
    EXPECT_TRUE(big == exact || big == std::nextafter(exact, 0.0L) ||
                big == std::nextafter(exact, INFINITY));
}

TEST(ParseExtended, RefusesOverflowAndReadsUnderflowAsZeroOrSubnormal) {
    const long double max = ParseExtended("1.1897314953572317E4932", kDot);
    EXPECT_TRUE(std::isfinite(max));
    EXPECT_GT(ParseExtended("1E4932", kDot), 9.99e4931L);
    ExpectRefused({"1E4933", "-1E4933", "1.19E4932", "12E4931", std::string(4940, '9'),
                   std::string(5000, '1') + ".5"});
    const long double subnormal = ParseExtended("1E-4940", kDot);
    EXPECT_GT(subnormal, 0.0L);
    EXPECT_LT(subnormal, LDBL_MIN);
    ExpectAccepted({{"1E-4960", 0.0L}, {"0.0000000001E-4945", 0.0L}});
    // Thousands of fraction digits push the scale below 10^-5120.
    ExpectAccepted({{("0." + std::string(6000, '0') + "1").c_str(), 0.0L}});
}

TEST(ParseExtended, UsesOnlyTheSettingsDecimalSeparator) {
    ExpectAccepted({{"1,5", 1.5L}, {",25", 0.25L}, {"-,", -0.0L}, {"2,5E1", 25.0L}}, Comma());
    ExpectRefused({"1.5", "1.000,5", "1 5"}, Comma());
    const FormatSettings wide{.decimalSeparator = "\u066B"};  // a two-byte separator
    ExpectAccepted({{"1\u066B5", 1.5L}}, wide);
    ExpectRefused({"1.5", "1\xD9"}, wide);
}

TEST(ParseExtended, MessageKeepsTheTextVerbatim) {
    ExpectRefused({"abc", "12%s", "%d%%", " 1 2 ", std::string(1000, 'x')});
}

TEST(ParseExtended, RunsMaskedAtNearestAndRestoresTheCallersControlWord) {
    const std::uint16_t before = ReadControlWord();
    // Round toward zero in the caller must not change what a text reads as.
    const std::uint16_t towardZero = static_cast<std::uint16_t>(before | 0x0C00);
    for (const char* text : {"0.1", "1E4933", "1E-4950", "2.5E-3", "abc"}) {
        LoadControlWord(towardZero);
        std::feraiseexcept(FE_INEXACT | FE_DIVBYZERO);
        long double value = 0.0L;
        try {
            value = ParseExtended(text, kDot);
        } catch (const EConvertError&) {
        }
        const std::uint16_t after = ReadControlWord();
        const int flags = std::fetestexcept(FE_ALL_EXCEPT);
        LoadControlWord(before);
        EXPECT_EQ(after, towardZero) << text;
        EXPECT_EQ(flags, 0) << text;
        if (std::string(text) == "0.1") {
            EXPECT_EQ(value, 0.1L);
        }
    }
}

}  // namespace
}  // namespace colmara
