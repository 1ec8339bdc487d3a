#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "runtime/exceptions.h"
#include "runtime/numconv.h"

namespace colmara {
namespace {

constexpr long double kInf = std::numeric_limits<long double>::infinity();
const long double kNaN = std::numeric_limits<long double>::quiet_NaN();

struct Row {
    const char* picture;
    long double value;
    const char* text;
};

void ExpectFormats(std::initializer_list<Row> rows, const FormatSettings& settings = {}) {
    for (const Row& row : rows)
        EXPECT_EQ(FormatExtended(row.picture, row.value, settings), row.text)
            << '"' << row.picture << "\" " << static_cast<double>(row.value);
}

TEST(FormatExtended, ReportPicturesRoundHalfAwayFromZero) {
    ExpectFormats({
        {"0", 0.49L, "0"},
        {"0", 0.5L, "1"},
        {"0", 2.5L, "3"},
        {"0", -2.5L, "-3"},
        {"0", 12345.6L, "12346"},
        {"0", -0.4L, "0"},
        {"00.00", 5.5L, "05.50"},
        {"00.00", 0.125L, "00.13"},
        {"00.00", 123.456L, "123.46"},
        {"00.00", 9.996L, "10.00"},
        {"00.00", -0.004L, "00.00"},
        {"00.00", -3.14159L, "-03.14"},
        {"00.0", 78.34L, "78.3"},
        {"00.0", 100.05L, "100.1"},
        {"00.0", 0.0L, "00.0"},
        {"00.0", -0.05L, "-00.1"},
        {"0.0", 0.04L, "0.0"},
        {"0.0", -0.04L, "0.0"},
        {"0.0", 12345.67L, "12345.7"},
        {"0.0", 1.5E20L, "1.5E20"},
        {"0.0", -0.049L, "0.0"},
        {"0.0", -0.05L, "-0.1"},
    });
}

TEST(FormatExtended, ZeroAndNegativeZeroHaveNoSign) {
    ExpectFormats({{"0", -0.0L, "0"},
                   {"00.00", -0.0L, "00.00"},
                   {"0.0", 0.0L, "0.0"},
                   {"#", 0.0L, ""},
                   {"#.0", 0.0L, ".0"},
                   {"0.##", -0.0001L, "0"}});
}

TEST(FormatExtended, SwitchesToTheGeneralFormFromTenToTheEighteen) {
    ExpectFormats({
        {"00.00", 999999999999999999.0L, "999999999999999999.00"},
        {"00.00", 1E18L, "1E18"},
        {"0", 999999999999999999.6L, "1E18"},  // reaches 10^18 only by rounding
        {"0.0", -2.5E19L, "-2.5E19"},
        {"0", 1.23456789012345678E23L, "1.23456789012346E23"},
        {"00.00", kInf, "INF"},
        {"00.00", -kInf, "-INF"},
        {"0", kNaN, "NAN"},
        {"0.00E+00", kInf, "INF"},
    });
}

TEST(FormatExtended, GeneralFormForAnEmptyPicture) {
    ExpectFormats({
        {"", 1.5L, "1.5"},
        {"", 0.00001L, "1E-5"},
        {"", 0.0001L, "0.0001"},
        {"", 0.0L, "0"},
        {"", -0.0L, "0"},
        {"", -12.25L, "-12.25"},
        {"", 100.0L, "100"},
        {"", 1E15L, "1E15"},
        {"", 123456789012345.0L, "123456789012345"},
        {"", 1234567890123456.0L, "1.23456789012346E15"},
        {"", 1.0L / 3.0L, "0.333333333333333"},
        {"", 1E-300L, "1E-300"},
        {"", -1.25E-10L, "-1.25E-10"},
        {"", 1E4000L, "1E4000"},
        {"", std::numeric_limits<long double>::denorm_min(), "0"},
        {"", kInf, "INF"},
        {"", -kInf, "-INF"},
        {"", kNaN, "NAN"},
    });
}

TEST(FormatExtended, ChartPictureGroupsThousandsAndDropsTrailingZeros) {
    ExpectFormats({
        {"#,##0.###", 45.12345L, "45.123"},
        {"#,##0.###", 1234.5L, "1,234.5"},
        {"#,##0.###", 0.0004L, "0"},
        {"#,##0.###", 1000.0L, "1,000"},
        {"#,##0.###", 0.05L, "0.05"},
        {"#,##0.###", -1234567.0L, "-1,234,567"},
        {"#,##0.###", 100.0L, "100"},
        {"#,##0.###", 0.0L, "0"},
        {"#,##0.###", 0.0005L, "0.001"},
        {"0,000", 5.0L, "0,005"},
        {"#,0.0", 123456789.25L, "123,456,789.3"},
    });
    const FormatSettings none{.thousandSeparator = ""};
    ExpectFormats({{"#,##0.###", 1234567.5L, "1234567.5"}}, none);
}

TEST(FormatExtended, WritesTheSettingsSeparators) {
    const FormatSettings comma{.decimalSeparator = ",", .thousandSeparator = "."};
    ExpectFormats({{"00.00", 1.5L, "01,50"},
                   {"00.00", 5.5L, "05,50"},
                   {"#,##0.###", 1234.5L, "1.234,5"},
                   {"", 1.5L, "1,5"},
                   {"", 0.00001234L, "1,234E-5"}},
                  comma);
    const FormatSettings wide{.decimalSeparator = "\u066B", .thousandSeparator = "\u202F"};
    ExpectFormats({{"#,##0.00", 12345.5L, "12\u202F345\u066B50"}}, wide);
}

TEST(FormatExtended, ChoosesAmongThreeSections) {
    ExpectFormats({
        {"0.0;(0.0);'zero'", 1.25L, "1.3"},
        {"0.0;(0.0);'zero'", -1.25L, "(1.3)"},
        {"0.0;(0.0);'zero'", 0.0L, "zero"},
        {"0.0;(0.0);'zero'", -0.0L, "zero"},  // no digits: the zero section
        {"0.0;(0.0);'zero'", 0.01L, "zero"},  // rounded to zero: the zero section
        {"0.0;(0.0);'zero'", -0.01L, "zero"},
        {"0.0;;'zero'", -2.0L, "-2.0"},  // empty section: the first, with a sign
        {"0.0;(0.0)", 0.0L, "0.0"},
        {"0.0;(0.0)", -0.01L, "0.0"},
        {"0;0;0;junk", -3.0L, "3"},
        {";0", 5.0L, "5"},  // empty first section: general form
        {";0", -5.0L, "5"},
        {";0", -0.1L, "-0.1"},       // zero section empty: general form of the value
        {"\"a;b\"0", 4.0L, "a;b4"},  // a quoted ';' does not split
    });
}

TEST(FormatExtended, CopiesQuotedAndOtherText) {
    ExpectFormats({
        {"0.0 'kg'", 2.25L, "2.3 kg"},
        {"\"#0\"0", 7.0L, "#07"},
        {"0 %", 50.0L, "50 %"},
        {"x0y", -7.0L, "-x7y"},
        {"0E", 3.0L, "3E"},
        {"'open 0", 3.0L, "open 0"},
        {"abc", 12.0L, "abc"},
        {"0 \u00B0C", 78.4L, "78 \u00B0C"},
    });
}

TEST(FormatExtended, WritesScientificMarkers) {
    ExpectFormats({
        {"0.00E+00", 12345.0L, "1.23E+04"},
        {"0.00E+00", -0.00012345L, "-1.23E-04"},
        {"0.00E-00", 12345.0L, "1.23E04"},
        {"0.00E-00", 0.00012345L, "1.23E-04"},
        {"0.00e+0", 12345.0L, "1.23e+4"},
        {"0.00E+00", 0.0L, "0.00E+00"},
        {"00.0E+0", 12345.0L, "12.3E+3"},
        {"0.###E+000000", 1.5L, "1.5E+0000"},
        {"#.##E+0", 0.5L, "5E-1"},
        {"0E+0", 9.5L, "1E+1"},
        {"0.0E+0", 1E300L, "1.0E+300"},
        {"0.00E+00", 1E4000L, "1.00E+4000"},
    });
}

TEST(FormatExtended, RefusesPicturesOverTwoHundredTwentyFourCharacters) {
    const std::string limit = "0." + std::string(222, '0');
    EXPECT_EQ(FormatExtended(limit, 1.0L, {}), "1." + std::string(222, '0'));
    try {
        FormatExtended(limit + "0", 1.0L, {});
        ADD_FAILURE() << "225 characters accepted";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Format string too long");
    }
    // Characters, not bytes: 224 two-byte characters still fit.
    std::string wide;
    for (int i = 0; i < 224; ++i) wide += "\u00B0";
    EXPECT_NO_THROW(FormatExtended(wide, 1.0L, {}));
}

}  // namespace
}  // namespace colmara
