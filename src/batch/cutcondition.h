// Where a cut ends, as users write it: an amount of product ("50ml", "40g"),
// a share of the charge's alcohol ("3%"), a product strength it must not
// fall below ("<80"), a minute from the start of heating ("90min"), or the
// end of the run ("end").
#pragma once

#include <string>

namespace colmara {

enum class AmountUnit { Grams, Millilitres, AlcoholShare };

struct Amount {
    double value = 0;
    AmountUnit unit = AmountUnit::Grams;
};

enum class CutEnd { Amount, ProductBelow, Minute, RunEnd };

struct CutCondition {
    CutEnd kind = CutEnd::RunEnd;
    Amount amount;     // CutEnd::Amount
    double value = 0;  // a strength (CutEnd::ProductBelow) or a minute (CutEnd::Minute)
};

// Numbers are written with '.'. Throws StudyError naming the text for
// anything else, a negative amount or a strength outside 0..100.
Amount ParseAmount(const std::string& text);
CutCondition ParseCutCondition(const std::string& text);

// "NAME:CONDITION"; the name is everything before the last ':'. Blanks
// around the name and the condition are dropped ("heads: 50ml").
struct BatchCut;
BatchCut ParseCut(const std::string& text);

}  // namespace colmara
