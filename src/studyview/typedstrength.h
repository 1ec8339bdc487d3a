// A text of strengths across the window's unit switches: a switch rewrites
// it so that it keeps its meaning, and a switch back to the unit it was
// typed in gives the text as typed again, unless it was edited in between
// (so switching to and fro never drifts by rounding). The study inputs'
// strength and the batch tab's strength texts each keep one.
#pragma once

#include <optional>
#include <string>

#include "runtime/numconv.h"
#include "study/strengthtext.h"

namespace colmara {

class TypedStrength {
  public:
    // `rewrite` writes a text typed in one unit in another
    // (SwitchedStrengthText, SwitchedCutsText, ...).
    explicit TypedStrength(StrengthRewrite rewrite) : rewrite_(rewrite) {}

    // The text is set whole in `unit` (a setup, a start): it counts as typed.
    void Typed(const std::string& text, StrengthUnit unit);
    // The field shows `text` in `unit`: the text the last switch wrote keeps
    // what was typed before it; any other text counts as typed.
    void Shown(const std::string& text, StrengthUnit unit);
    // The text to show once the unit is `to`.
    std::string SwitchTo(StrengthUnit to, const FormatSettings& settings);

  private:
    StrengthRewrite rewrite_;
    std::string typed_;
    StrengthUnit typedUnit_ = StrengthUnit::Weight;
    std::optional<std::string> switched_;  // the text the last switch wrote
};

}  // namespace colmara
