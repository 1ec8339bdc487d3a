// A batch run's output as records: the timeline rows, the cut table, and the
// whole run as one JSON object.
#pragma once

#include <string>

#include "batch/batchresult.h"
#include "study/records.h"

namespace colmara {

// time_min, power, strength, plates, reflux (the field texts), boiler_mass,
// boiler_temperature, product_strength, product_amount, collected, cut,
// head_temperature (at the run's pressure). By volume, strength_vol (the
// boiler strength by volume) comes before strength (still the field text by
// weight) and product_strength_vol replaces
// product_strength, as in a sweep's rows.
Record BatchRowRecord(const BatchRow& row, StrengthUnit unit);

// name, start_min, end_min, mass_g, volume_ml, strength, strength_vol, ethanol_g.
Record CutRecord(const CutResult& cut);

// The timeline, or with `cuts` the cut table, as CSV with its header.
std::string BatchCsv(const BatchResult& result, StrengthUnit unit, bool cuts);

// {"heat_up_min", "run_min", "energy_kwh", "stop", "cuts", "residue",
// "timeline"} on one line, followed by '\n'.
std::string BatchJson(const BatchResult& result, StrengthUnit unit);

}  // namespace colmara
