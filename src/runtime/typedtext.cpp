#include "runtime/typedtext.h"

#include <charconv>
#include <cmath>

namespace colmara {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string WithDecimalPoint(const std::string& text, const FormatSettings& settings) {
    const std::string& decimal = settings.decimalSeparator;
    const std::string trimmed = Trimmed(text);
    if (decimal.empty() || decimal == ".") return trimmed;
    std::string written;
    for (std::size_t i = 0; i < trimmed.size();) {
        if (trimmed.compare(i, decimal.size(), decimal) == 0) {
            written += '.';
            i += decimal.size();
        } else {
            written += trimmed[i++];
        }
    }
    return written;
}

DecimalNumber ReadDecimal(const std::string& text) {
    using Kind = DecimalNumber::Kind;
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || ptr != end) return {};
    if (error == std::errc::result_out_of_range || std::isinf(value)) return {Kind::OutOfRange, 0};
    if (error != std::errc() || std::isnan(value)) return {};
    return {Kind::Finite, value};
}

}  // namespace colmara
