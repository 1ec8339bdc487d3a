#include "chart/fittedtext.h"

namespace colmara {

namespace {

constexpr const char* kEllipsis = "\u2026";

// The length of `text` less its last UTF-8 character.
std::size_t WithoutLastCharacter(const std::string& text, std::size_t length) {
    while (length > 0) {
        --length;
        // Continuation bytes (10xxxxxx) belong to the character before.
        if ((static_cast<unsigned char>(text[length]) & 0xC0) != 0x80) break;
    }
    return length;
}

}  // namespace

std::string FittedText(TChartCanvas& canvas, const ChartFont& font, const std::string& text,
                       int width) {
    if (canvas.TextWidth(font, text) <= width) return text;
    std::size_t length = text.size();
    while (length > 0) {
        length = WithoutLastCharacter(text, length);
        std::size_t kept = length;
        while (kept > 0 && text[kept - 1] == ' ') --kept;
        const std::string cut = text.substr(0, kept) + kEllipsis;
        if (kept > 0 && canvas.TextWidth(font, cut) <= width) return cut;
    }
    return {};
}

}  // namespace colmara
