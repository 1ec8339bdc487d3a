// A batch run's output as records: the timeline rows, the cut table, and the
// whole run as one JSON object.
#pragma once

#include <string>

#include "batch/batchresult.h"
#include "batch/logpairing.h"
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

// time_min, reading (the log's column), value (a temperature after the
// thermometer's offset), model.
Record PairedReadingRecord(const PairedReading& pair);

// {"heat_up_min", "run_min", "energy_kwh", "stop", "cuts", "residue",
// "timeline"} on one line, followed by '\n'; with `log`, "log" follows
// the timeline, its readings in the log's order.
std::string BatchJson(const BatchResult& result, StrengthUnit unit,
                      const std::vector<PairedReading>* log = nullptr);

}  // namespace colmara
