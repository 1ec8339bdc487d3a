#include "runtime/typedtext.h"

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

}  // namespace colmara
