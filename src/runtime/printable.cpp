#include "runtime/printable.h"

namespace colmara {

std::string EscapeControls(std::string_view text) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7f) {
            shown += c;
            continue;
        }
        shown += "\\x";
        shown += kDigits[byte >> 4];
        shown += kDigits[byte & 0xf];
    }
    return shown;
}

}  // namespace colmara
