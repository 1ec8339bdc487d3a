#include "toolsview/numbertext.h"

#include <cmath>
#include <limits>

#include "runtime/exceptions.h"
#include "spirit/spiriterror.h"

namespace colmara {

NumberReader::NumberReader(const FormatSettings& settings, bool quoteText)
    : settings_(settings), quoteText_(quoteText) {}

long double NumberReader::operator()(const NamedText& input) const {
    long double value = 0;
    try {
        value = ParseExtended(input.text, settings_);
    } catch (const EConvertError&) {
        throw SpiritError(Refusal(input, "not a number"));
    }
    if (std::isnan(value)) throw SpiritError(Refusal(input, "not a number"));
    const long double size = std::fabs(value);
    if (size > std::numeric_limits<double>::max() ||
        (value != 0 && size < std::numeric_limits<double>::min()))
        throw SpiritError(Refusal(input, "out of range"));
    return value;
}

std::string NumberReader::Refusal(const NamedText& input, const char* reason) const {
    if (!quoteText_) return input.name + ": " + reason;
    return input.name + ": '" + input.text + "' is " + reason;
}

}  // namespace colmara
