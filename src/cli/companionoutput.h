// Renders what a calculation wrote, and its error if it failed, as the
// companion tool prints it: text blocks or one JSON object.
#pragma once

#include <optional>
#include <string>

#include "report/reportcollector.h"

namespace colmara {

// "[report]", the report lines top to bottom, "[summary]", its lines,
// "[chart]", one point per line in the shortest text that reads back as the
// same 64-bit number. Every line ends in '\n'.
std::string TextOutput(const ReportCollector& written);

// {"report": [...], "summary": [...], "chart": [...], "error": null | text},
// followed by '\n'.
std::string JsonOutput(const ReportCollector& written, const std::optional<std::string>& error);

}  // namespace colmara
