// The decimal digits of an extended number, the step between a stored value
// and its text.
#pragma once

#include <cstdint>
#include <string_view>

namespace colmara {

struct DecimalForm {
    static constexpr std::int16_t kInfinity = 0x7FFF;
    static constexpr std::int16_t kNaN = -0x8000;

    // The value is 0.d1d2...dn * 10^exponent, or an infinity / NaN marker.
    std::int16_t exponent = 0;
    // Sign of the value; always clear when there are no digits.
    bool negative = false;
    // Up to 18 ASCII digits and a NUL: no leading zero, no trailing zero;
    // empty for zero or a value rounded to zero.
    char digits[19] = {};

    std::string_view Digits() const { return std::string_view(digits); }
    bool IsInfinity() const { return exponent == kInfinity; }
    bool IsNaN() const { return exponent == kNaN; }
};

// Digits of `value` rounded to at most `precision` (and 18) significant
// digits and to `decimals` digits after the decimal point, half away from
// zero on the 18-digit form. FormatExtended uses precision 18, the general
// form precision 15 with decimals 9999.
DecimalForm MakeDecimalForm(long double value, int precision, int decimals);

}  // namespace colmara
