// A number typed into a form, as it is read: without the blanks and tabs
// around it, and with the locale's decimal symbol written as '.'.
#pragma once

#include <string>

#include "runtime/numconv.h"

namespace colmara {

// `text` without the blanks and tabs typed around it.
std::string Trimmed(const std::string& text);

// `text` trimmed, each of the locale's decimal symbols written as '.'.
std::string WithDecimalPoint(const std::string& text, const FormatSettings& settings);

}  // namespace colmara
