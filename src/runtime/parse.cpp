// ParseInteger and ParseExtended: the exact rules by which the input fields
// are read.
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <string>

#include "runtime/exceptions.h"
#include "runtime/extended.h"
#include "runtime/numconv.h"
#include "runtime/poweroften.h"

namespace colmara {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

[[noreturn]] void ThrowInvalid(std::string_view text, const char* what) {
    std::string message;
    message.reserve(text.size() + 40);
    message += '\'';
    message += text;  // verbatim: a '%' in the text stays a plain character
    message += "' is not a valid ";
    message += what;
    message += " value";
    throw EConvertError(std::move(message));
}

// For the life of the object the x87 unit runs with every exception masked,
// round to nearest and a 64-bit significand, flags cleared on entry. On exit
// the flags are cleared again and the caller's control word comes back, so
// reading a number never leaves a fault pending.
class MaskedFloatingPoint {
  public:
    MaskedFloatingPoint() : saved_(ReadControlWord()) {
        std::feclearexcept(FE_ALL_EXCEPT);
        LoadControlWord(kProgramControlWord);
    }
    ~MaskedFloatingPoint() {
        std::feclearexcept(FE_ALL_EXCEPT);
        LoadControlWord(saved_);
    }
    MaskedFloatingPoint(const MaskedFloatingPoint&) = delete;
    MaskedFloatingPoint& operator=(const MaskedFloatingPoint&) = delete;

    static bool OverflowOrInvalid() { return std::fetestexcept(FE_OVERFLOW | FE_INVALID) != 0; }

  private:
    const std::uint16_t saved_;
};

}  // namespace

std::int32_t ParseInteger(std::string_view text) {
    const auto fail = [text] { ThrowInvalid(text, "integer"); };
    std::size_t i = 0;
    const std::size_t end = text.size();
    while (i < end && text[i] == ' ') ++i;  // spaces only, never a tab
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    const bool hexadecimal =
        i < end && (text[i] == '$' || text[i] == 'x' || text[i] == 'X' ||
                    (text[i] == '0' && i + 1 < end && (text[i + 1] == 'x' || text[i + 1] == 'X')));
    if (hexadecimal) {
        i += text[i] == '0' ? 2 : 1;
        if (i == end) fail();
        std::uint32_t bits = 0;
        for (; i < end; ++i) {
            const int digit = HexDigitValue(text[i]);
            // Eight significant digits fit; leading zeros are free.
            if (digit < 0 || bits > 0x0FFFFFFFu) fail();
            bits = bits * 16 + static_cast<std::uint32_t>(digit);
        }
        // Two's complement: "$FFFFFFFF" is -1 and "-$FFFFFFFF" is 1.
        if (negative) bits = 0u - bits;
        return static_cast<std::int32_t>(bits);
    }

    if (i == end) fail();
    std::int64_t magnitude = 0;
    for (; i < end; ++i) {
        if (!IsDigit(text[i]) || magnitude > 214748364) fail();
        magnitude = magnitude * 10 + (text[i] - '0');
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX) fail();
    return static_cast<std::int32_t>(value);
}

long double ParseExtended(std::string_view text, const FormatSettings& settings) {
    const auto fail = [text] { ThrowInvalid(text, "floating point"); };
    MaskedFloatingPoint masked;

    std::size_t i = 0;
    const std::size_t end = text.size();
    while (i < end && text[i] == ' ') ++i;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    // Every digit goes through the accumulator, rounded at each step.
    long double accumulator = 0.0L;
    bool consumed = false;
    std::int64_t fractionDigits = 0;
    for (; i < end && IsDigit(text[i]); ++i) {
        accumulator = accumulator * 10.0L + static_cast<long double>(text[i] - '0');
        consumed = true;
    }
    const std::string& separator = settings.decimalSeparator;
    if (!separator.empty() && text.substr(i, separator.size()) == separator) {
        i += separator.size();
        consumed = true;  // "." alone reads as zero
        for (; i < end && IsDigit(text[i]); ++i) {
            accumulator = accumulator * 10.0L + static_cast<long double>(text[i] - '0');
            ++fractionDigits;
        }
    }
    if (!consumed) fail();

    int exponent = 0;
    bool negativeExponent = false;
    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
        // Digits are read while the exponent is below 500: "1E0500" reads
        // all four, "1E5000" leaves the last zero, which fails below.
        while (i < end && IsDigit(text[i])) {
            exponent = exponent * 10 + (text[i++] - '0');
            if (exponent >= 500) break;
        }
    }
    while (i < end && text[i] == ' ') ++i;
    if (i != end) fail();

    std::int64_t scale = (negativeExponent ? -exponent : exponent) - fractionDigits;
    if (scale < -5120) scale = -5120;  // the scaling gives zero from there on
    long double value = ScaleByPowerOfTen(accumulator, static_cast<int>(scale));
    if (negative) value = -value;
    asm volatile("" : "+m"(value));  // finish the arithmetic before the flags are read
    if (MaskedFloatingPoint::OverflowOrInvalid() || !std::isfinite(value)) fail();
    return value;
}

}  // namespace colmara
