// A tool's answer as labelled figures, written as the command line prints
// it (aligned text lines, or one JSON object) and as the Tools window shows
// it. Each figure's key, labels, unit and decimals are declared once, by the
// tool that gives it, for both.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "runtime/numconv.h"

namespace colmara {

// What a figure is: its JSON key, its label on the command line and in the
// window, its unit, and the decimals both show.
struct FigureLabel {
    const char* key;
    const char* toolLabel;
    const char* windowLabel;
    const char* unit;  // "" for a count or a ratio
    int decimals;
};

struct ToolFigure {
    const FigureLabel* label;
    // None: the figure is left out (no JSON key), and `absence` says why in
    // its place in the text lines.
    std::optional<long double> value;
    const char* absence = nullptr;
};

using ToolAnswer = std::vector<ToolFigure>;

// Throws SpiritError naming the figure when a value would not print as a
// finite number, or would print as 0 (or a subnormal number) while it is
// not: a backstop, since the tools' ranges keep their inputs from it.
void CheckFigures(const ToolAnswer& answer);

// "label: value unit" lines, labels padded to one column, each line ending
// in a newline, numbers with the settings' decimal symbol.
std::string ToolText(const ToolAnswer& answer, const FormatSettings& settings);

// One JSON object on a line, the keys in order, the numbers in the shortest
// text that reads back to the same double; left-out figures have no key.
std::string ToolJson(const ToolAnswer& answer);

// The window's lines: "Label: value unit", one a line, no newline at the
// end; degrees written as °C.
std::string WindowText(const ToolAnswer& answer, const FormatSettings& settings);

}  // namespace colmara
