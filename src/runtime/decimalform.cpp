#include "runtime/decimalform.h"

#include <algorithm>
#include <cmath>

#include "runtime/extended.h"
#include "runtime/poweroften.h"

namespace colmara {
namespace {

constexpr std::uint64_t kTenTo17 = 100000000000000000ULL;
constexpr std::uint64_t kTenTo18 = 1000000000000000000ULL;

void RemoveTrailingZeros(char* digits, int length) {
    while (length > 0 && digits[length - 1] == '0') --length;
    digits[length] = '\0';
}

// |value| as an integer of exactly 18 digits and the decimal exponent E with
// |value| ~ 0.d1...d18 * 10^E. Example: 1.5 has exponent field 16383, so
// E = ((0 * 19728) >> 16) + 1 = 1 and 1.5 * 10^17 = 150000000000000000.
std::uint64_t EighteenDigits(long double magnitude, int biasedExponent, int& E) {
    // 19728 / 65536 is log10(2) to five places; the shift floors.
    E = (((biasedExponent - 16383) * 19728) >> 16) + 1;
    std::uint64_t integer = 0;
    for (int attempt = 0; attempt < 2; ++attempt) {
        integer = static_cast<std::uint64_t>(std::rint(ScaleByPowerOfTen(magnitude, 18 - E)));
        // For some tiny values the estimate is one too high and only 17
        // digits come out; scale once more rather than keep a leading zero.
        if (integer >= kTenTo17) break;
        --E;
    }
    if (integer >= kTenTo18) {
        // 19 digits: drop one, rounding to nearest with ties to even.
        const std::uint64_t remainder = integer % 10;
        integer /= 10;
        if (remainder > 5 || (remainder == 5 && integer % 2 == 1)) ++integer;
        ++E;
    }
    return integer;
}

}  // namespace

DecimalForm MakeDecimalForm(long double value, int precision, int decimals) {
    DecimalForm form;
    const ExtendedBits bits = BitsOf(value);
    const int biasedExponent = bits.BiasedExponent();
    const bool sign = bits.Negative();
    const bool integerBit = (bits.significand >> 63) != 0;

    if (biasedExponent == 0) return form;  // zero or subnormal
    if (biasedExponent == ExtendedBits::kExponentMask) {
        if (!integerBit || bits.significand == 0x8000000000000000ULL) {
            form.exponent = DecimalForm::kInfinity;
            form.negative = sign;
        } else {
            form.exponent = DecimalForm::kNaN;
        }
        return form;
    }
    if (!integerBit) {
        // An unnormal: the unit refuses it as an operand, so it is no number.
        form.exponent = DecimalForm::kNaN;
        return form;
    }

    int E = 0;
    std::uint64_t integer = EighteenDigits(std::fabs(value), biasedExponent, E);
    char* digits = form.digits;
    for (int i = 17; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + integer % 10);
        integer /= 10;
    }
    digits[18] = '\0';

    // Keep n = E + decimals digits, at most `precision` and 18.
    int n = E + decimals;
    if (n < 0) {
        digits[0] = '\0';
        return form;
    }
    n = std::min({n, precision, 18});
    if (n < 18 && digits[n] >= '5') {
        // Round half away from zero on the digit string: 0.125 -> "13".
        int i = n - 1;
        while (i >= 0 && digits[i] == '9') digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits[0] = '1';
            n = 1;
            ++E;
        }
    }
    RemoveTrailingZeros(digits, n);
    form.exponent = static_cast<std::int16_t>(E);
    form.negative = sign && digits[0] != '\0';
    return form;
}

}  // namespace colmara
