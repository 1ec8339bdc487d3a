// The per-plate profile of one solved case, from the boiler (plate 0) up to
// the top plate, straight from the column's tables.
#pragma once

#include <optional>
#include <vector>

#include "report/calculate.h"
#include "study/caseresult.h"
#include "study/strengthunit.h"

namespace colmara {

class Column;

struct PlateRow {
    int plate = 0;                      // 0 is the boiler
    long double temperature = 0;        // deg C
    long double vapourStrength = 0;     // % by weight
    long double liquidStrength = 0;     // % by weight
    std::optional<long double> reflux;  // g/h leaving the plate; absent for the boiler

    // The strengths in `unit` (see StrengthIn: a liquid balance outside
    // 0..100 % has no strength by volume).
    std::optional<long double> VapourStrength(StrengthUnit unit) const {
        return StrengthIn(unit, vapourStrength);
    }
    std::optional<long double> LiquidStrength(StrengthUnit unit) const {
        return StrengthIn(unit, liquidStrength);
    }
};

// Rows 0..plates of a column that Calculate has solved without a fault.
std::vector<PlateRow> PlateProfile(const Column& column);

struct CaseProfile {
    CaseResult result;
    std::vector<PlateRow> plates;  // empty when the calculation failed
    // What the column's balance needs besides the tables: the energy per
    // hour (J/h) and the plates' efficiency (a fraction); set when solved.
    long double energy = 0;
    long double efficiency = 1;
};

// Solves one case on a column of its own and reads its profile; the strength
// text is given in `unit` (see StrengthFieldText, which throws StudyError for
// a strength by volume outside 0..100 %). Runs on the calling thread (see
// SolveCase).
CaseProfile ProfileCase(const InputTexts& inputs, const FormatSettings& settings,
                        StrengthUnit unit = StrengthUnit::Weight);

}  // namespace colmara
