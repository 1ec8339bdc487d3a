// The still's sizing from texts: the four column inputs, the hardware and
// an optional charge, read with a NumberReader and sized by SizeStill as
// labelled figures. The height needs an HETP (a packing's, or typed); with
// neither the other figures stand and the height says it is left out.
#pragma once

#include <optional>
#include <string>

#include "batch/batchrequest.h"
#include "spirit/packings.h"
#include "study/strengthunit.h"
#include "toolsview/numbertext.h"
#include "toolsview/toolanswer.h"

namespace colmara {

struct ChargeTexts {
    NamedText amount;
    ChargeUnit unit = ChargeUnit::Millilitres;
    NamedText startTemperature;  // degC
};

struct SizeTexts {
    NamedText power;  // W; its name is the one a refusal of it gives
    std::string strength;
    std::string plates;
    std::string reflux;
    std::string efficiency = "100";            // % per plate
    StrengthUnit unit = StrengthUnit::Weight;  // of the strength text
    NamedText bore;                            // mm
    const Packing* packing = nullptr;          // its HETP, before a typed one
    std::optional<NamedText> hetp;             // m; none (or empty): no height
    NamedText waterRise;                       // K
    std::optional<ChargeTexts> charge;         // none: no heat-up line
};

struct SizeOutcome {
    // The calculation's own message when the run does not solve (then
    // `answer` is empty).
    std::optional<std::string> failure;
    ToolAnswer answer;
};

// Throws SpiritError naming the input for a text that does not read or a
// value out of its range (a power of 0 W or less among them, under the
// power's name), before anything is solved; StudyError for a strength by
// volume outside 0..100 %.
SizeOutcome SizeAnswer(const SizeTexts& texts, const NumberReader& read);

}  // namespace colmara
