#include "study/valuetext.h"

#include <array>
#include <charconv>
#include <cmath>

namespace colmara {

namespace {

std::string ShortestText(double value, bool integral) {
    // Enough for the longest fixed form of a double (309 digits and a sign).
    std::array<char, 400> buffer{};
    const std::to_chars_result written =
        integral ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                 std::chars_format::fixed)
                 : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), written.ptr);
}

}  // namespace

std::string ValueText(double value, bool integral, const FormatSettings& settings) {
    const std::string plain = ShortestText(value, integral);
    const std::size_t point = plain.find('.');
    if (point == std::string::npos) return plain;
    return plain.substr(0, point) + settings.decimalSeparator + plain.substr(point + 1);
}

std::string DecimalText(ScaledDecimal value, const FormatSettings& settings) {
    const bool negative = value.units < 0;
    std::string digits = std::to_string(negative ? -value.units : value.units);
    if (digits.size() <= static_cast<std::size_t>(value.decimals))
        digits.insert(0, value.decimals + 1 - digits.size(), '0');
    std::string whole = digits.substr(0, digits.size() - value.decimals);
    std::string fraction = digits.substr(digits.size() - value.decimals);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    std::string text = negative ? "-" + whole : whole;
    if (!fraction.empty()) text += settings.decimalSeparator + fraction;
    return text;
}

std::string PlainNumber(double value) {
    // Messages quote whole numbers in full ("100000", not "1e+05").
    const bool whole = std::trunc(value) == value && std::fabs(value) < 1e15;
    return ShortestText(value, whole);
}

}  // namespace colmara
