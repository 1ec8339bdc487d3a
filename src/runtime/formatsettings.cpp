#include "runtime/formatsettings.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <cstring>

#include "runtime/numconv.h"

namespace colmara {
namespace {

// Length of the UTF-8 sequence that starts with `lead`, 0 if it cannot start one.
std::size_t Utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool IsOneUtf8Character(std::string_view text) {
    if (text.empty()) return false;
    const std::size_t length = Utf8SequenceLength(static_cast<unsigned char>(text[0]));
    if (length == 0 || length != text.size()) return false;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return false;
    return true;
}

bool IsUtf8Codeset(const char* codeset) {
    return std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "utf8") == 0;
}

// The symbol converted from a legacy codeset, empty if iconv cannot do it.
std::string ToUtf8(const char* symbol, const char* codeset) {
    iconv_t converter = iconv_open("UTF-8", codeset);
    if (converter == reinterpret_cast<iconv_t>(-1)) return {};
    char input[16];
    std::strncpy(input, symbol, sizeof input - 1);
    input[sizeof input - 1] = '\0';
    char output[64];
    char* in = input;
    char* out = output;
    std::size_t inLeft = std::strlen(input);
    std::size_t outLeft = sizeof output;
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1) || inLeft != 0) return {};
    return std::string(output, static_cast<std::size_t>(out - output));
}

}  // namespace

std::string SingleCharacterSymbol(const char* symbol, const char* codeset,
                                  std::string_view fallback) {
    if (symbol == nullptr || symbol[0] == '\0') return std::string(fallback);
    std::string text = symbol;
    if (codeset != nullptr && !IsUtf8Codeset(codeset) &&
        static_cast<unsigned char>(text[0]) >= 0x80)
        text = ToUtf8(symbol, codeset);
    return IsOneUtf8Character(text) ? text : std::string(fallback);
}

FormatSettings ReadLocaleFormatSettings() {
    FormatSettings settings;
    // A private locale object: the process-wide C locale stays as it is.
    locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
    if (user == static_cast<locale_t>(0)) return settings;
    // The symbols are in the codeset of the numeric category itself; CODESET
    // would name that of the character classes, here the C locale's ASCII.
    const char* codeset = nl_langinfo_l(_NL_NUMERIC_CODESET, user);
    settings.decimalSeparator =
        SingleCharacterSymbol(nl_langinfo_l(RADIXCHAR, user), codeset, settings.decimalSeparator);
    settings.thousandSeparator =
        SingleCharacterSymbol(nl_langinfo_l(THOUSEP, user), codeset, settings.thousandSeparator);
    freelocale(user);
    return settings;
}

FormatSettings& ProcessFormatSettings() {
    static FormatSettings settings;
    return settings;
}

void RereadProcessFormatSettings() {
    ProcessFormatSettings() = ReadLocaleFormatSettings();
}

}  // namespace colmara
