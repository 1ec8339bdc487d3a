#include "runtime/decimalform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "runtime/extendedfrombits.h"
#include "runtime/poweroften.h"

namespace colmara {
namespace {

using test::ExtendedFromBits;

long double PowerOfTenByStrtold(int k) {
    return std::strtold(("1e" + std::to_string(k)).c_str(), nullptr);
}

TEST(PowersOfTen, EveryEntryIsTheNearestExtendedValue) {
    // glibc reads decimal text correctly rounded.
    for (int k = 0; k < 32; ++k) EXPECT_EQ(kPowersOfTen[k], PowerOfTenByStrtold(k)) << k;
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(kPowersOfTen32[i], PowerOfTenByStrtold(32 * (i + 1))) << 32 * (i + 1);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(kPowersOfTen512[i], PowerOfTenByStrtold(512 * (i + 1))) << 512 * (i + 1);
    // Up to 10^27 the entries are exact: a fused product shows no remainder.
    long double exact = 1.0L;
    for (int k = 0; k <= 27; ++k, exact *= 10.0L) EXPECT_EQ(kPowersOfTen[k], exact) << k;
}

TEST(PowersOfTen, ScalingUsesOneFactorPerTableAndTheLimits) {
    EXPECT_EQ(ScaleByPowerOfTen(3.0L, 0), 3.0L);
    EXPECT_EQ(ScaleByPowerOfTen(3.0L, 5), 300000.0L);
    EXPECT_EQ(ScaleByPowerOfTen(3.0L, -1), 3.0L / 10.0L);
    // 10^100 = 10^4 * 10^96, rounded after each product.
    volatile long double stepwise = 7.0L * kPowersOfTen[4];
    stepwise = stepwise * kPowersOfTen32[2];
    EXPECT_EQ(ScaleByPowerOfTen(7.0L, 100), stepwise);
    // 10^-4999 = 10^-7 / 10^384 / 10^4608, divided in that order.
    volatile long double divided = 1E4000L / kPowersOfTen[7];
    divided = divided / kPowersOfTen32[11];
    divided = divided / kPowersOfTen512[8];
    EXPECT_EQ(ScaleByPowerOfTen(1E4000L, -4999), divided);
    EXPECT_EQ(ScaleByPowerOfTen(0.0L, 5120), std::numeric_limits<long double>::infinity());
    EXPECT_EQ(ScaleByPowerOfTen(1E-4000L, 6000), std::numeric_limits<long double>::infinity());
    EXPECT_EQ(ScaleByPowerOfTen(1E4000L, -5120), 0.0L);
}

struct FormRow {
    long double value;
    int precision;
    int decimals;
    const char* digits;
    int exponent;
    bool negative;
};

TEST(DecimalForm, RoundsTheEighteenDigitFormHalfAwayFromZero) {
    const FormRow rows[] = {
        {1.5L, 18, 9999, "15", 1, false},
        {-1.5L, 18, 9999, "15", 1, true},
        {0.125L, 18, 2, "13", 0, false},
        {2.5L, 18, 0, "3", 1, false},
        {-2.5L, 18, 0, "3", 1, true},
        {9.996L, 18, 2, "1", 2, false},  // carry past the first digit
        {0.05L, 18, 1, "1", 0, false},   // n = 0 rounding up
        {0.04L, 18, 1, "", -1, false},   // n = 0 rounding down keeps E
        {-0.004L, 18, 1, "", 0, false},  // n < 0
        {123.456L, 18, 2, "12346", 3, false},
        {1E18L, 18, 2, "1", 19, false},
        {999999999999999999.0L, 18, 2, "999999999999999999", 18, false},
        {1.0L / 3.0L, 15, 9999, "333333333333333", 0, false},
        {2.0L / 3.0L, 15, 9999, "666666666666667", 0, false},
        {123456.0L, 3, 9999, "123", 6, false},
        {0.1L, 18, 9999, "1", 0, false},
    };
    for (const FormRow& row : rows) {
        const DecimalForm form = MakeDecimalForm(row.value, row.precision, row.decimals);
        EXPECT_EQ(form.Digits(), row.digits) << static_cast<double>(row.value);
        EXPECT_EQ(form.exponent, row.exponent) << static_cast<double>(row.value);
        EXPECT_EQ(form.negative, row.negative) << static_cast<double>(row.value);
    }
}

TEST(DecimalForm, MarksZeroInfinityAndNaN) {
    struct Row {
        long double value;
        std::int16_t exponent;
        bool negative;
    };
    const Row rows[] = {
        {0.0L, 0, false},
        {-0.0L, 0, false},
        {std::numeric_limits<long double>::denorm_min(), 0, false},
        {ExtendedFromBits(0x8000000000000001ULL, 0x0000), 0, false},  // pseudo-denormal
        {std::numeric_limits<long double>::infinity(), DecimalForm::kInfinity, false},
        {-std::numeric_limits<long double>::infinity(), DecimalForm::kInfinity, true},
        // pseudo-infinity
        {ExtendedFromBits(0x0000000000000000ULL, 0xFFFF), DecimalForm::kInfinity, true},
        {ExtendedFromBits(0x1234000000000000ULL, 0x7FFF), DecimalForm::kInfinity, false},
        {std::numeric_limits<long double>::quiet_NaN(), DecimalForm::kNaN, false},
        {-std::numeric_limits<long double>::quiet_NaN(), DecimalForm::kNaN, false},
        {std::numeric_limits<long double>::signaling_NaN(), DecimalForm::kNaN, false},
        {ExtendedFromBits(0x4000000000000000ULL, 0x3FFF), DecimalForm::kNaN, false},  // unnormal
    };
    for (const Row& row : rows) {
        const DecimalForm form = MakeDecimalForm(row.value, 18, 9999);
        EXPECT_EQ(form.Digits(), "");
        EXPECT_EQ(form.exponent, row.exponent);
        EXPECT_EQ(form.negative, row.negative);
    }
}

TEST(DecimalForm, KeepsEighteenDigitsAtTheEndsOfTheRange) {
    // Correctly rounded digits; the scaled form may be one unit off.
    struct Row {
        long double value;
        std::int64_t digits;
        int exponent;
    };
    const Row rows[] = {
        {std::numeric_limits<long double>::max(), 118973149535723177, 4933},
        {std::numeric_limits<long double>::min(), 336210314311209351, -4931},
        // Here the exponent estimate is one too high; the digits still
        // start with a non-zero digit.
        {0x1p-681L, 996719495109756754, -205},
        {0x1p-16374L, 860698404636695938, -4929},
    };
    for (const Row& row : rows) {
        const DecimalForm form = MakeDecimalForm(row.value, 18, 9999);
        ASSERT_EQ(form.Digits().size(), 18u);
        EXPECT_LE(std::llabs(std::stoll(std::string(form.Digits())) - row.digits), 1)
            << form.Digits();
        EXPECT_EQ(form.exponent, row.exponent);
    }
}

}  // namespace
}  // namespace colmara
