// What the spirit and still tools of the companion tool share: numbers read
// from option texts with the locale's decimal symbol, the unit of their
// strengths, and their output as aligned text lines or one JSON object.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cli/commandio.h"
#include "spirit/spiritstrength.h"

namespace CLI {
class App;
}

namespace colmara {

// An option's text as a number, read as the window reads a field (the
// locale's decimal symbol). Throws SpiritError "<option>: '<text>' is not a
// number".
long double OptionNumber(const std::string& text, const std::string& option,
                         const FormatSettings& settings);

// Declares --units volume|weight of the spirit tools (volume by default).
void DeclareSpiritUnits(CLI::App& app, std::string& units);

// A strength given in the unit --units names.
Strength StrengthIn(const std::string& units, long double percent);

// One figure of a tool's answer: its JSON key, its label and unit in the
// text form, and how many decimals the text form shows.
struct ToolFigure {
    const char* key;
    const char* label;
    long double value;
    const char* unit;
    int decimals;
};

// "label: value unit" lines, labels padded to one column, numbers with the
// locale's decimal symbol; or one JSON object on a line, the keys in order,
// the numbers in the shortest text that reads back to the same double.
std::string ToolOutput(const std::vector<ToolFigure>& figures, bool json,
                       const FormatSettings& settings);

// Writes the text `answer` returns and finishes; every refusal of the
// tool's inputs (a SpiritError or StudyError thrown by `answer`) is a usage
// error with nothing on standard output.
int RunTool(const CommandIo& io, const std::function<std::string()>& answer);

}  // namespace colmara
