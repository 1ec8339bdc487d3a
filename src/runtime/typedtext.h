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

// The whole of a text written with '.' read as a double: a finite number,
// no number at all ("", "x", "nan", "1.5.2"), or a number beyond what a double
// holds ("1e400", "1e-400", "inf"), which a message should call out of range
// rather than write as inf or 0.
struct DecimalNumber {
    enum class Kind { Finite, NotANumber, OutOfRange };
    Kind kind = Kind::NotANumber;
    double value = 0;  // Kind::Finite only
};
DecimalNumber ReadDecimal(const std::string& text);

}  // namespace colmara
