// FormatExtended: a number written under a picture of up to three sections
// ("positive;negative;zero") with '0' and '#' digit placeholders, '.', ',',
// quoted text and the scientific markers E+ E- e+ e-.
#include <algorithm>
#include <cstdint>

#include "runtime/decimalform.h"
#include "runtime/exceptions.h"
#include "runtime/extended.h"
#include "runtime/generalform.h"
#include "runtime/numconv.h"

namespace colmara {
namespace {

constexpr std::size_t kMaxPictureCharacters = 224;
constexpr int kMaxExponentDigits = 4;

bool IsQuote(char c) {
    return c == '\'' || c == '"';
}

bool IsScientificMarker(std::string_view s, std::size_t i) {
    return (s[i] == 'E' || s[i] == 'e') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-');
}

// Index just past the quoted text that starts at s[i]; an unclosed quote
// runs to the end.
std::size_t SkipQuoted(std::string_view s, std::size_t i) {
    const std::size_t close = s.find(s[i], i + 1);
    return close == std::string_view::npos ? s.size() : close + 1;
}

std::size_t CountCharacters(std::string_view s) {
    // UTF-8 continuation bytes do not start a character.
    return static_cast<std::size_t>(
        std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

struct Sections {
    std::string_view text[3];
    int count = 0;

    // Section 0 for positive values, 1 for negative, 2 for zero; a missing or
    // empty one falls back to the first. Gives the index in use.
    int Choose(int wanted) const { return wanted < count && !text[wanted].empty() ? wanted : 0; }
};

Sections SplitSections(std::string_view picture) {
    Sections sections;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < picture.size() && sections.count < 2) {
        if (IsQuote(picture[i])) {
            i = SkipQuoted(picture, i);
        } else if (picture[i] == ';') {
            sections.text[sections.count++] = picture.substr(start, i - start);
            start = ++i;
        } else {
            ++i;
        }
    }
    // The last section ends at the next unquoted ';' or at the end.
    for (i = start; i < picture.size() && picture[i] != ';';)
        i = IsQuote(picture[i]) ? SkipQuoted(picture, i) : i + 1;
    sections.text[sections.count++] = picture.substr(start, i - start);
    return sections;
}

// What a section asks for, counted in digit placeholders.
struct Layout {
    int placeholders = 0;
    int decimalPosition = -1;  // placeholders before the first '.'
    bool thousands = false;
    bool scientific = false;
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int decimals = 0;
};

// "#,##0.0#" -> 6 placeholders, decimal position 4, first '0' at 3, last '0'
// ends at 5: at least 1 integer digit, at least 1 and at most 2 decimals.
Layout ScanSection(std::string_view section) {
    Layout layout;
    int firstZero = -1;
    int afterLastZero = 0;
    std::size_t i = 0;
    while (i < section.size()) {
        const char c = section[i];
        if (IsQuote(c)) {
            i = SkipQuoted(section, i);
            continue;
        }
        if (IsScientificMarker(section, i)) {
            layout.scientific = true;
            i += 2;
            while (i < section.size() && section[i] == '0') ++i;  // exponent digits
            continue;
        }
        if (c == '0' || c == '#') {
            if (c == '0') {
                if (firstZero < 0) firstZero = layout.placeholders;
                afterLastZero = layout.placeholders + 1;
            }
            ++layout.placeholders;
        } else if (c == '.') {
            if (layout.decimalPosition < 0) layout.decimalPosition = layout.placeholders;
        } else if (c == ',') {
            layout.thousands = true;
        }
        ++i;
    }
    if (layout.decimalPosition < 0) layout.decimalPosition = layout.placeholders;
    if (firstZero < 0) firstZero = layout.placeholders;
    layout.minIntegerDigits = std::max(0, layout.decimalPosition - firstZero);
    layout.minDecimals = std::max(0, afterLastZero - layout.decimalPosition);
    layout.decimals = layout.placeholders - layout.decimalPosition;
    return layout;
}

// Writes the digits of one decimal form into the placeholders of a section.
class SectionWriter {
  public:
    SectionWriter(std::string& out, const Layout& layout, const DecimalForm& form,
                  const FormatSettings& settings)
        : out_(out), layout_(layout), settings_(settings), digits_(form.Digits()) {
        // A zero (or a value rounded to zero) has no decimal exponent of its
        // own; laying it out at exponent 0 keeps '#' decimals empty.
        const int exponent = digits_.empty() ? 0 : form.exponent;
        if (layout.scientific) {
            place_ = layout.decimalPosition;
            pending_ = 0;
            writtenExponent_ = digits_.empty() ? 0 : exponent - layout.decimalPosition;
        } else {
            place_ = std::max(exponent, layout.decimalPosition);
            pending_ = exponent - layout.decimalPosition;
        }
    }

    void Write(std::string_view section) {
        std::size_t i = 0;
        while (i < section.size()) {
            const char c = section[i];
            if (IsQuote(c)) {
                // Quoted text is copied without its quotes.
                const std::size_t close = section.find(c, i + 1);
                out_.append(section.substr(i + 1, close == std::string_view::npos
                                                      ? std::string_view::npos
                                                      : close - i - 1));
                i = close == std::string_view::npos ? section.size() : close + 1;
            } else if (IsScientificMarker(section, i)) {
                i = WriteExponent(section, i);
            } else if (c == '0' || c == '#') {
                Placeholder();
                ++i;
            } else {
                if (c != '.' && c != ',') out_ += c;
                ++i;
            }
        }
    }

  private:
    void Placeholder() {
        if (pending_ > 0) {
            // 12345 under "0": all integer digits go to the first placeholder.
            for (int k = 0; k <= pending_; ++k) DigitStep();
            pending_ = 0;
        } else if (pending_ < 0) {
            ++pending_;
            FillStep();
        } else {
            DigitStep();
        }
    }

    void DigitStep() {
        if (next_ < digits_.size())
            Emit(digits_[next_++]);
        else if (place_ > -layout_.minDecimals)
            Emit('0');
        --place_;
    }

    void FillStep() {
        if (place_ <= layout_.minIntegerDigits) Emit('0');
        --place_;
    }

    void Emit(char digit) {
        if (place_ == 0) out_ += settings_.decimalSeparator;
        out_ += digit;
        if (layout_.thousands && place_ > 1 && place_ % 3 == 1) out_ += settings_.thousandSeparator;
    }

    // "E+00" with exponent -5 writes "E-05"; "e-0" with exponent 3 writes "e3".
    std::size_t WriteExponent(std::string_view section, std::size_t i) {
        const char letter = section[i];
        const char sign = section[i + 1];
        i += 2;
        int zeros = 0;
        while (i < section.size() && section[i] == '0') {
            ++zeros;
            ++i;
        }
        out_ += letter;
        if (writtenExponent_ < 0)
            out_ += '-';
        else if (sign == '+')
            out_ += '+';
        std::string number =
            std::to_string(writtenExponent_ < 0 ? -writtenExponent_ : writtenExponent_);
        const int width = std::min(zeros, kMaxExponentDigits);
        if (static_cast<int>(number.size()) < width)
            number.insert(0, static_cast<std::size_t>(width) - number.size(), '0');
        out_ += number;
        return i;
    }

    std::string& out_;
    const Layout& layout_;
    const FormatSettings& settings_;
    std::string_view digits_;
    std::size_t next_ = 0;
    int place_ = 0;
    int pending_ = 0;
    int writtenExponent_ = 0;
};

}  // namespace

std::string FormatExtended(std::string_view picture, long double value,
                           const FormatSettings& settings) {
    if (CountCharacters(picture) > kMaxPictureCharacters)
        throw EConvertError("Format string too long");

    std::string out;
    const Sections sections = SplitSections(picture);
    const ExtendedBits bits = BitsOf(value);
    int index = sections.Choose(bits.AllZero() ? 2 : bits.Negative() ? 1 : 0);
    if (sections.text[index].empty()) {
        AppendGeneralForm(out, value, settings);
        return out;
    }
    Layout layout = ScanSection(sections.text[index]);
    const DecimalForm form = layout.scientific ? MakeDecimalForm(value, layout.placeholders, 9999)
                                               : MakeDecimalForm(value, 18, layout.decimals);
    if (form.IsInfinity() || form.IsNaN() || (!layout.scientific && form.exponent > 18)) {
        AppendGeneralForm(out, value, settings);
        return out;
    }
    if (form.Digits().empty()) {
        const int zeroIndex = sections.Choose(2);
        if (sections.text[zeroIndex].empty()) {
            AppendGeneralForm(out, value, settings);
            return out;
        }
        if (zeroIndex != index) {
            index = zeroIndex;
            layout = ScanSection(sections.text[index]);
        }
    }
    if (form.negative && index == 0) out += '-';
    SectionWriter(out, layout, form, settings).Write(sections.text[index]);
    return out;
}

}  // namespace colmara
