// Properties over many random extended numbers, checked against the C
// library's correctly rounded conversions.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "runtime/decimalform.h"
#include "runtime/extendedfrombits.h"
#include "runtime/numconv.h"

namespace colmara {
namespace {

constexpr int kSamples = 200000;

// A finite, normal extended number with random sign, exponent and significand.
long double RandomNormal(std::mt19937_64& random) {
    const std::uint64_t significand = random() | 0x8000000000000000ULL;
    const auto exponent = static_cast<std::uint16_t>(1 + random() % 0x7FFE);
    const auto signAndExponent = static_cast<std::uint16_t>(exponent | (random() & 1) << 15);
    return test::ExtendedFromBits(significand, signAndExponent);
}

// 18 significant digits as an integer d1...d18 and the power of ten of d1.
struct Scientific {
    std::int64_t mantissa;
    int exponent;
};

Scientific FromForm(const DecimalForm& form) {
    std::string digits(form.Digits());
    digits.resize(18, '0');
    return {std::stoll(digits), form.exponent - 1};
}

Scientific FromPrintf(long double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17Le", std::fabs(value));  // d.ddd...de+X
    std::string digits = std::string(1, text[0]) + std::string(text + 2, 17);
    return {std::stoll(digits), std::atoi(text + 20)};
}

TEST(NumconvProperties, EighteenDigitsAreWithinOneUnitOfCorrectRounding) {
    std::mt19937_64 random(20261207);
    for (int i = 0; i < kSamples; ++i) {
        const long double value = RandomNormal(random);
        const DecimalForm form = MakeDecimalForm(value, 18, 9999);
        ASSERT_NE(form.Digits(), "");
        ASSERT_NE(form.Digits()[0], '0');
        EXPECT_EQ(form.negative, std::signbit(value));
        Scientific ours = FromForm(form);
        Scientific exact = FromPrintf(value);
        // 1.00...0E5 against 9.99...9E4: compare in units of the smaller.
        if (ours.exponent == exact.exponent + 1) ours.mantissa *= 10;
        if (exact.exponent == ours.exponent + 1) exact.mantissa *= 10;
        ASSERT_LE(std::llabs(ours.mantissa - exact.mantissa), 1)
            << std::hexfloat << static_cast<double>(value) << ": " << form.Digits() << " E"
            << form.exponent;
    }
}

TEST(NumconvProperties, ShortDecimalTextsReadWithinOneUnitOfStrtold) {
    std::mt19937_64 random(4932);
    std::uniform_int_distribution<int> digitCount(1, 18);
    // Up to about 10^58 the scaling takes at most one rounded table entry;
    // further out two rounded entries can put a value two units away.
    std::uniform_int_distribution<int> exponent(-40, 40);
    for (int i = 0; i < kSamples; ++i) {
        const int count = digitCount(random);
        std::string digits;
        for (int k = 0; k < count; ++k) digits += static_cast<char>('0' + random() % 10);
        const std::size_t point = random() % (digits.size() + 1);
        std::string text = (random() & 1) ? "-" : "";
        text += digits.substr(0, point) + "." + digits.substr(point) + "E" +
                std::to_string(exponent(random));
        const long double ours = ParseExtended(text, FormatSettings{});
        const long double exact = std::strtold(text.c_str(), nullptr);
        ASSERT_TRUE(ours == exact || ours == std::nextafter(exact, INFINITY) ||
                    ours == std::nextafter(exact, -INFINITY))
            << text;
    }
}

// Half away from zero on a digit string: "12345" rounded to 3 digits is "123",
// "99951" is "1000" (the length grows).
std::string RoundDigits(const std::string& digits, std::size_t keep) {
    if (digits.size() <= keep) return digits + std::string(keep - digits.size(), '0');
    std::string kept = digits.substr(0, keep);
    if (digits[keep] >= '5') {
        int i = static_cast<int>(keep) - 1;
        while (i >= 0 && kept[i] == '9') kept[i--] = '0';
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[i];
    }
    return kept;
}

// "0.00" written independently from the 18-digit form.
std::string TwoDecimals(long double value) {
    const DecimalForm form = MakeDecimalForm(value, 18, 9999);
    const int E = form.exponent;
    std::string digits(form.Digits());
    // Shift to a fixed point number with two decimals: integer part, then two.
    std::string fixed;
    if (E >= 0) {
        fixed = RoundDigits(digits, static_cast<std::size_t>(E + 2));
    } else {
        const std::string padded = std::string(static_cast<std::size_t>(-E), '0') + digits;
        fixed = RoundDigits(padded, 2);
    }
    while (fixed.size() < 3) fixed.insert(fixed.begin(), '0');
    while (fixed.size() > 3 && fixed[0] == '0') fixed.erase(fixed.begin());
    const bool zero = fixed.find_first_not_of('0') == std::string::npos;
    std::string text = std::signbit(value) && !zero ? "-" : "";
    text.append(fixed, 0, fixed.size() - 2).append(".").append(fixed, fixed.size() - 2);
    return text;
}

TEST(NumconvProperties, TwoDecimalsRoundTheEighteenDigitFormHalfAwayFromZero) {
    std::mt19937_64 random(1500);
    std::uniform_real_distribution<double> magnitude(-6.0, 17.0);
    for (int i = 0; i < kSamples; ++i) {
        long double value = std::pow(10.0L, static_cast<long double>(magnitude(random)));
        // Also values that sit on a half: 0.125, 2.675, ...
        if (i % 4 == 0) value = std::round(value * 1000.0L) / 1000.0L + 0.005L;
        if (random() & 1) value = -value;
        const std::string text = FormatExtended("0.00", value, FormatSettings{});
        ASSERT_EQ(text, TwoDecimals(value)) << static_cast<double>(value);
        // The text reads back in full.
        const long double back = ParseExtended(text, FormatSettings{});
        ASSERT_LE(std::fabs(back - value), 0.005L * (1 + 1e-12L) + std::fabs(value) * 1e-17L);
    }
}

}  // namespace
}  // namespace colmara
