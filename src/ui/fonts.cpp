#include "ui/fonts.h"

namespace colmara {

namespace {
constexpr int kFormFontPixels = 11;
}

QFont FormFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kFormFontPixels);
    return font;
}

QFont InformationFont() {
    QFont font = FormFont();
    font.setStretch(95);
    return font;
}

QFont VersionLabelFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kFormFontPixels);
    return font;
}

}  // namespace colmara
