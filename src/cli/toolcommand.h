// What the spirit and still tools of the companion tool share: their option
// texts read as the window reads a field (the locale's decimal symbol), the
// unit of their strengths, and their answer as aligned text lines or one
// JSON object.
#pragma once

#include <functional>
#include <string>

#include "cli/commandio.h"
#include "toolsview/numbertext.h"
#include "toolsview/toolanswer.h"

namespace CLI {
class App;
}

namespace colmara {

// Reads option texts with the locale's decimal symbol; a refusal quotes the
// text ("--volume: '1l' is not a number").
NumberReader OptionReader(const FormatSettings& settings);

// Declares --units volume|weight of the spirit tools (volume by default).
void DeclareSpiritUnits(CLI::App& app, std::string& units);

// The answer as text lines, or as one JSON object with `json`.
std::string ToolOutput(const ToolAnswer& answer, bool json, const FormatSettings& settings);

// Writes the text `answer` returns and finishes; every refusal of the
// tool's inputs (a SpiritError, BoilingError or StudyError thrown by
// `answer`) is a usage error with nothing on standard output, and a target
// out of reach (OutOfReachError) exits with kCompanionUnreachable.
int RunTool(const CommandIo& io, const std::function<std::string()>& answer);

}  // namespace colmara
