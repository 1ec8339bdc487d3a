// Any text either reads as a 32-bit integer or is refused with the exact
// message; accepted values survive a round trip through FormatInteger, and a
// plain decimal text is accepted exactly when its value fits.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "runtime/exceptions.h"
#include "runtime/numconv.h"

namespace {

// The value of "  [+-]digits" by an independent route, or false if the
// text has another shape.
bool PlainDecimal(std::string_view text, bool& fits, std::int64_t& value) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos) return false;
    const bool negative = text[i] == '-';
    if (text[i] == '+' || text[i] == '-') ++i;
    const std::string_view digits = text.substr(i);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    const std::size_t first = digits.find_first_not_of('0');
    const std::string_view significant =
        first == std::string_view::npos ? std::string_view("0") : digits.substr(first);
    fits = significant.size() <= 10;
    if (!fits) return true;
    value = std::stoll(std::string(significant));
    if (negative) value = -value;
    fits = value >= INT32_MIN && value <= INT32_MAX;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace colmara;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    bool fits = false;
    std::int64_t expected = 0;
    const bool plain = PlainDecimal(text, fits, expected);
    try {
        const std::int32_t value = ParseInteger(text);
        if (ParseInteger(FormatInteger(value)) != value) std::abort();
        if (plain && (!fits || value != expected)) std::abort();
    } catch (const EConvertError& e) {
        if (e.Message() != "'" + std::string(text) + "' is not a valid integer value") std::abort();
        if (plain && fits) std::abort();
    }
    return 0;
}
