#include "studyview/sweeprequest.h"

#include <charconv>
#include <cmath>

#include "runtime/typedtext.h"
#include "study/studyerror.h"

namespace colmara {

namespace {

// A bound typed with the locale's decimal symbol, as the study layer's range
// syntax writes it (with '.'). A '.' typed where the locale's symbol is
// another one is refused rather than read, as the window's fields would.
std::string RangeBound(Input input, const char* which, const std::string& typed,
                       const FormatSettings& settings) {
    const std::string text = Trimmed(typed);
    const std::string written = WithDecimalPoint(text, settings);
    const bool foreignPoint =
        settings.decimalSeparator != "." && text.find('.') != std::string::npos;
    double value = 0;
    const auto [end, error] =
        std::from_chars(written.data(), written.data() + written.size(), value);
    if (text.empty() || foreignPoint || error != std::errc() ||
        end != written.data() + written.size() || !std::isfinite(value))
        throw StudyError(std::string(TraitsOf(input).key) + ": " + which + " '" + typed +
                         "' is not a number");
    return written;
}

}  // namespace

InputTexts SweepRanges(const SweepRequest& request, const FormatSettings& settings) {
    InputTexts ranges = request.fixed;
    TextOf(ranges, request.varied) = RangeBound(request.varied, "from", request.from, settings) +
                                     ':' + RangeBound(request.varied, "to", request.to, settings) +
                                     ':' +
                                     RangeBound(request.varied, "step", request.step, settings);
    return ranges;
}

SweepGrid MakeSweepGrid(const SweepRequest& request, const FormatSettings& settings) {
    return SweepGrid(SweepRanges(request, settings), settings, request.unit);
}

std::optional<double> SweptValue(const SweepRow& row, Input varied,
                                 const FormatSettings& settings) {
    InputTexts texts = row.inputs;
    // The strength as given: by volume that is the value the range stepped.
    texts.strength = row.givenStrength;
    try {
        return static_cast<double>(ParseExtended(TextOf(texts, varied), settings));
    } catch (const Exception&) {
        return std::nullopt;
    }
}

}  // namespace colmara
