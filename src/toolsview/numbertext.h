// The numbers of the tools' inputs, read from texts as typed: with the
// decimal symbol of the settings, and only when they are numbers an answer
// can be printed with. A text that does not read is refused naming its
// input, the way the caller names it ("--volume" on the command line,
// "Volume" in a form).
#pragma once

#include <string>

#include "runtime/numconv.h"

namespace colmara {

// A text and the name of the input it was typed into.
struct NamedText {
    std::string text;
    std::string name;
};

class NumberReader {
  public:
    // quoteText: the refusal repeats the text ("--volume: '1l' is not a
    // number"), as a command line needs; a form shows the text in its field
    // already ("Volume: not a number"). settings must outlive the reader.
    NumberReader(const FormatSettings& settings, bool quoteText);

    // The number of `input`'s text. Throws SpiritError "<name>: ... is not a
    // number" for a text that does not read or reads as NaN, and "<name>:
    // ... is out of range" for one beyond the finite doubles or so small
    // that it would print as 0 (any number but 0 below the smallest normal
    // double).
    long double operator()(const NamedText& input) const;

    const FormatSettings& Settings() const { return settings_; }

  private:
    std::string Refusal(const NamedText& input, const char* reason) const;

    const FormatSettings& settings_;
    bool quoteText_;
};

}  // namespace colmara
