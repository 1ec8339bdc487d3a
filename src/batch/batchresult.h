// What a batch run gives: its timeline, its cuts, the residue and the totals.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "batch/cutcondition.h"
#include "report/calculate.h"
#include "study/caseresult.h"
#include "study/strengthunit.h"

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
    long double headTemperature = 0;    // degC at the run's pressure (headtemperature.h)
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

// Why a run ended: a stop of the request (with its mark), the end of the
// last cut, a product no longer stronger than the boiler, or the boiler run
// empty, telling whether a stop had been asked for and was never met.
struct BatchEnd {
    enum class Reason {
        BoilerStrength,   // `value`, in `unit`
        ProductStrength,  // `value`, in `unit`
        HeadTemperature,  // above `value`, degC
        Collected,        // `amount`, every cut together
        AfterMinutes,     // `value`, from the start of heating
        LastCut,          // the cut `cut` ended
        NoEnrichment,
        BoilerEmpty,
    };
    Reason reason = Reason::BoilerEmpty;
    double value = 0;
    StrengthUnit unit = StrengthUnit::Weight;
    Amount amount;
    std::string cut;
    bool stopNeverMet = false;  // BoilerEmpty: a stop was asked for
    bool operator==(const BatchEnd&) const = default;

    static BatchEnd Because(Reason reason, double value = 0,
                            StrengthUnit unit = StrengthUnit::Weight) {
        BatchEnd end;
        end.reason = reason;
        end.value = value;
        end.unit = unit;
        return end;
    }
};

// The end as the results write it ("product strength below 20 % vol",
// "head temperature above 95 degC", "cut tails ended", "boiler empty: no stop condition was met").
std::string BatchEndText(const BatchEnd& end);

struct BatchRequest;
struct CutResult;

// A note for each cut the strength policy leaves empty because it ends below
// a product strength above the target ("hearts until 95" with a target of
// 92: the product never reaches 95).
std::vector<std::string> EmptyCutNotes(const BatchRequest& request,
                                       const std::vector<CutResult>& cuts);

struct BatchResult {
    long double heatUpMinutes = 0;  // an estimate: see docs/model.md
    long double runMinutes = 0;     // distilling, without the heat-up
    long double energyKwh = 0;      // heat-up and distilling
    BatchEnd stop;                  // why the run ended
    std::vector<CutResult> cuts;
    Collected residue;
    std::vector<BatchRow> timeline;
    // What the user should know of the request's outcome that is no error
    // (a cut that cannot fill), one sentence each.
    std::vector<std::string> notes;
    std::uint64_t solves = 0;  // calculations run, seeks included
};

}  // namespace colmara
