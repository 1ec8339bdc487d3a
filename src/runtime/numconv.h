// Conversion between numbers and text with the program's exact rules: the
// input fields are read with ParseInteger/ParseExtended, the report and the
// chart write numbers with FormatExtended/FormatInteger.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace colmara {

// The user's number symbols. Each is one character, held as its UTF-8 bytes;
// an empty thousand separator stands for "no separator" (never written).
struct FormatSettings {
    std::string decimalSeparator = ".";
    std::string thousandSeparator = ",";
};

// Reads the symbols of the user's locale (LC_NUMERIC from the environment)
// without touching the process-wide C locale. A symbol that cannot be read or
// is longer than one character falls back to the default.
FormatSettings ReadLocaleFormatSettings();

// The one process-wide instance the program passes around. Starts with the
// defaults; the program fills it from the locale at start-up and again when
// the system announces a change.
FormatSettings& ProcessFormatSettings();
void RereadProcessFormatSettings();

// Text to 32-bit integer (decimal or hexadecimal with '$', 'x', '0x').
// Throws EConvertError "'<text>' is not a valid integer value".
std::int32_t ParseInteger(std::string_view text);

// Text to extended number. Throws EConvertError
// "'<text>' is not a valid floating point value". Never leaves a
// floating-point flag raised.
long double ParseExtended(std::string_view text, const FormatSettings& settings);

// Number to text under a picture such as "00.00" or "#,##0.###". Throws
// EConvertError "Format string too long" for pictures over 224 characters.
std::string FormatExtended(std::string_view picture, long double value,
                           const FormatSettings& settings);

// Integer to plain decimal text: 7 -> "7", -2147483648 -> "-2147483648".
std::string FormatInteger(std::int32_t value);

}  // namespace colmara
