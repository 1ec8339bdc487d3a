// What a batch run is asked: the charge, the column's field texts, the
// operating policy, the cuts and when to stop. The values a request starts
// with are for requests built in code; what a user gets without typing is
// BatchTexts' defaults, read by BatchRequestOf (batchform.h).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "batch/cutcondition.h"
#include "boiling/airpressure.h"
#include "report/calculate.h"
#include "study/batchtexts.h"
#include "study/strengthunit.h"
#include "study/valuetext.h"

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
    std::optional<double> headAbove;     // head temperature, degC at the run's pressure
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
    // The air pressure the column boils at, hPa: the head temperatures of
    // the cuts, the stops and the timeline are at it (headtemperature.h).
    long double pressureHpa = kStandardHpa;
    std::vector<BatchCut> cuts;  // in order; the run ends when the last one does
    BatchStops stops;
    double everyMinutes = 10;  // timeline interval
    // False when only the cuts are wanted: the run then solves no row.
    bool timeline = true;
    // Relative error allowed per integration step (see docs/model.md).
    double tolerance = 1e-3;
    // Asked before each moment is solved; once it answers true the run
    // stops by throwing BatchCancelled, so a window can drop a run its user
    // has already changed. Empty: the run goes to its end.
    std::function<bool()> cancelled;
    // Told, on the run's thread, the share of the run done (0 to 1) after
    // each stretch and each timeline row: distilling counts by the share of
    // the charge's ethanol collected, the timeline by its rows solved; with a
    // timeline, distilling is the first half and the rows the second. Empty:
    // nobody is told.
    std::function<void(double)> progress;
    // How a refusal found only while running (a timeline interval too short
    // for the run's length) names the text it came from: the tab's label or
    // the tool's option, as the reader was told.
    BatchNaming naming = BatchLabel;
    // How a refusal writes a strength the run calculated (the best a target
    // could reach): the shortest text of its double, or as a window shows
    // its numbers.
    std::function<std::string(double)> calculatedText = PlainNumber;
};

// The most rows between the start of distilling and the end that a
// timeline's interval may give: a shorter interval is refused (RunBatch).
inline constexpr std::uint64_t kMostTimelineRows = 500;

// heads (by `heads`), hearts (until the product strength falls below
// `heartsUntil`, in the request's unit) and tails (to the end of the run).
std::vector<BatchCut> DefaultCuts(const Amount& heads, double heartsUntil);

}  // namespace colmara
