#include "toolsview/toolanswer.h"

#include <algorithm>
#include <cmath>

#include "spirit/spiriterror.h"
#include "study/records.h"

namespace colmara {

namespace {

// The command line writes degrees as "degC", in ASCII; the window as "°C".
std::string Unit(const FigureLabel& label, bool window) {
    const std::string unit = label.unit;
    return window && unit == "degC" ? "°C" : unit;
}

std::string Value(const ToolFigure& figure, const FormatSettings& settings, bool window) {
    if (!figure.value) return figure.absence;
    std::string picture = "0";
    if (figure.label->decimals > 0)
        picture += '.' + std::string(static_cast<std::size_t>(figure.label->decimals), '0');
    const std::string number = FormatExtended(picture, *figure.value, settings);
    // A count or a ratio has no unit to follow it.
    return *figure.label->unit == '\0' ? number : number + ' ' + Unit(*figure.label, window);
}

}  // namespace

void CheckFigures(const ToolAnswer& answer) {
    for (const ToolFigure& figure : answer) {
        if (!figure.value) continue;
        const double printed = static_cast<double>(*figure.value);
        if (std::isfinite(printed) && (*figure.value == 0 || std::isnormal(printed))) continue;
        throw SpiritError(std::string(figure.label->toolLabel) +
                          ": beyond the numbers an answer is given in; an input is too large "
                          "or too small");
    }
}

std::string ToolText(const ToolAnswer& answer, const FormatSettings& settings) {
    std::size_t width = 0;
    for (const ToolFigure& figure : answer)
        width = std::max(width, std::string(figure.label->toolLabel).size());
    std::string text;
    for (const ToolFigure& figure : answer) {
        std::string line = std::string(figure.label->toolLabel) + ':';
        line.resize(width + 2, ' ');
        text += line + Value(figure, settings, false) + '\n';
    }
    return text;
}

std::string ToolJson(const ToolAnswer& answer) {
    Record record;
    for (const ToolFigure& figure : answer)
        if (figure.value)
            record.push_back(Cell{figure.label->key, NumberText(*figure.value), true});
    return JsonObject(record) + '\n';
}

std::string WindowText(const ToolAnswer& answer, const FormatSettings& settings) {
    std::string text;
    for (const ToolFigure& figure : answer) {
        if (!text.empty()) text += '\n';
        text += std::string(figure.label->windowLabel) + ": " + Value(figure, settings, true);
    }
    return text;
}

}  // namespace colmara
