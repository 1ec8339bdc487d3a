// What a batch run gives: its timeline, its cuts, the residue and the totals.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "report/calculate.h"
#include "study/caseresult.h"

namespace colmara {

// One row of the timeline: the moment's field texts and what solving them
// gave, with the run's state there.
struct BatchRow {
    long double minute = 0;  // from the start of heating
    InputTexts inputs;       // the field texts calculated (strength by weight)
    CaseResult result;
    long double boilerPercent = 0;      // % by weight, as the calculation read the text
    long double boilerMass = 0;         // g
    long double boilerTemperature = 0;  // degC, the model's boiling temperature of the boiler
    long double collected = 0;          // g, every cut together
    std::string cut;                    // the cut being collected (from here on)
};

// What a cut or the residue holds; strengths are absent when it is empty.
struct Collected {
    long double mass = 0;                               // g
    long double ethanol = 0;                            // g
    std::optional<long double> Strength() const;        // % by weight
    std::optional<long double> StrengthVolume() const;  // % by volume at 20 degC
    long double Volume() const;                         // ml at 20 degC
};

struct CutResult {
    std::string name;
    long double startMinute = 0;
    long double endMinute = 0;
    Collected product;
};

struct BatchResult {
    long double heatUpMinutes = 0;  // an estimate: see docs/model.md
    long double runMinutes = 0;     // distilling, without the heat-up
    long double energyKwh = 0;      // heat-up and distilling
    std::string stop;               // why the run ended
    std::vector<CutResult> cuts;
    Collected residue;
    std::vector<BatchRow> timeline;
    std::uint64_t solves = 0;  // calculations run, seeks included
};

}  // namespace colmara
