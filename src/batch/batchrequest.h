// What a batch run is asked: the charge, the column's field texts, the
// operating policy, the cuts and when to stop.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/cutcondition.h"
#include "report/calculate.h"
#include "study/strengthunit.h"

namespace colmara {

enum class ChargeUnit { Grams, Millilitres };  // millilitres at 20 degC
enum class BatchPolicy { Reflux, Strength };

struct BatchCut {
    std::string name;
    CutCondition end;
};

struct BatchStops {
    std::optional<double> boilerBelow;   // boiler strength, in the request's unit
    std::optional<double> productBelow;  // product strength, in the request's unit
    std::optional<Amount> collected;     // all cuts together
    std::optional<double> afterMinutes;  // from the start of heating
};

struct BatchRequest {
    double charge = 20000;
    ChargeUnit chargeUnit = ChargeUnit::Millilitres;
    // Power, plates and reflux as field texts; the strength is the charge's,
    // typed in `unit`. The strength policy finds its own reflux and does not
    // read the reflux text.
    InputTexts inputs{"1000", "10", "20", "3"};
    StrengthUnit unit = StrengthUnit::Weight;
    BatchPolicy policy = BatchPolicy::Reflux;
    double targetStrength = 0;  // the strength policy's product strength, in `unit`
    double maxReflux = 100;
    double startCelsius = 20;
    std::vector<BatchCut> cuts;  // in order; the run ends when the last one does
    BatchStops stops;
    double everyMinutes = 10;  // timeline interval
    // Relative error allowed per integration step (see docs/model.md).
    double tolerance = 1e-3;
};

// heads (by `heads`), hearts (until the product strength falls below
// `heartsUntil`, in the request's unit) and tails (to the end of the run).
std::vector<BatchCut> DefaultCuts(const Amount& heads, double heartsUntil);

}  // namespace colmara
