// Where a cut ends, as users write it: an amount of product ("50ml", "40g"),
// a share of the charge's alcohol ("3%"), a product strength it must not
// fall below ("<80"), a head temperature it must not rise above (">80.5C",
// degC at the run's pressure), a minute from the start of heating ("90min"),
// or the end of the run ("end").
#pragma once

#include <optional>
#include <string>

namespace colmara {

enum class AmountUnit { Grams, Millilitres, AlcoholShare };

struct Amount {
    double value = 0;
    AmountUnit unit = AmountUnit::Grams;
    bool operator==(const Amount&) const = default;
};

enum class CutEnd { Amount, ProductBelow, HeadAbove, Minute, RunEnd };

struct CutCondition {
    CutEnd kind = CutEnd::RunEnd;
    Amount amount;  // CutEnd::Amount
    // A strength (ProductBelow), degC (HeadAbove) or a minute (Minute).
    double value = 0;
};

// Numbers are written with '.'. Throws StudyError naming the text for
// anything else, or a number outside its range (see CheckCutCondition).
Amount ParseAmount(const std::string& text);
CutCondition ParseCutCondition(const std::string& text);

// The degrees of a head temperature condition, ">80.5C" (blanks and a '°'
// allowed before the C: "> 80.5 °C"), or nothing for a text that does not
// start with '>'; throws StudyError naming the text when it does but does
// not read.
std::optional<double> HeadCelsiusOf(const std::string& text);

// The ranges of a condition's number: an amount of 0 or more (a share of
// the alcohol up to 100 %), a strength from 0 to 100, a minute of 0 or more
// (a cut may be empty: "heads:0ml" has none), a finite head temperature
// (which temperatures the head reaches depends on the run's pressure: see
// HeadMark in headtemperature.h). Throws
// StudyError whose message is "VALUE is ..." for a number outside its range,
// for the caller to put the name of what holds it before.
void CheckCutCondition(const CutCondition& condition);

// "NAME:CONDITION". Blanks around the name and the condition are dropped
// ("heads: 50ml"); the name may not hold ':', so a missing ';' between two
// cuts ("heads:150ml hearts:<85") is refused, saying where.
struct BatchCut;
BatchCut ParseCut(const std::string& text);

}  // namespace colmara
