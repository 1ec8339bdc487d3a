// A still's run log (study/runlog.h) against a batch run's timeline: each
// reading beside the model's value at the same minute, in the reading's own
// terms. A head thermometer is compared with the head temperature, a boiler
// thermometer with the boiling temperature of the boiler's liquid, both at
// the row's pressure (its pressure_hpa, else the run's) and after the
// thermometer's offset; strengths by weight or volume with the product's;
// amounts collected with everything collected so far.
//
// A temperature is first turned into the strength it means at that
// pressure: one that no mixture boils (boiler) or condenses (head) at, a
// pressure outside the range taken, is reported by its line and left out.
// The timeline is interpolated linearly between its rows, on the product's
// and the boiler's strength and the amounts (a temperature follows from the
// strength at the row's pressure); a reading before the first row or after
// the last is compared with that row's values, since the model has no
// distilling there.
#pragma once

#include <string>
#include <vector>

#include "batch/batchresult.h"
#include "boiling/thermometer.h"
#include "study/runlog.h"

namespace colmara {

// A reading the model can be compared with.
struct LogPoint {
    int line = 0;
    long double minute = 0;  // from the start of heating
    LogReading reading = LogReading::HeadTemperature;
    long double value = 0;  // as compared: a temperature after the offset
    long double hpa = 0;    // where it was taken
    // % by weight: what a temperature means there, a strength by volume by
    // weight, a strength by weight itself; an amount's `value` again.
    long double strength = 0;
};

struct LogPoints {
    std::vector<LogPoint> points;    // in the log's order
    std::vector<std::string> notes;  // the log's own notes, then the readings left out
};

// The readings of `log` the model can be compared with, at `runHpa` where a
// row gives no pressure; `runHpa` must lie in the range CheckedPressure
// allows.
LogPoints ComparableReadings(const RunLog& log, long double runHpa, const Thermometer& thermometer);

// The model's value of `point`'s reading at its minute on `timeline`, which
// must hold at least one row.
long double ModelValue(const std::vector<BatchRow>& timeline, const LogPoint& point);

struct PairedReading {
    LogPoint point;
    long double model = 0;
};

struct LogPairs {
    std::vector<PairedReading> readings;
    std::vector<std::string> notes;
};

// Every comparable reading of `log` with the model's value from `timeline`
// (a run at `runHpa`). A timeline without rows (a run stopped while
// heating) pairs nothing and says so.
LogPairs PairLog(const RunLog& log, const std::vector<BatchRow>& timeline, long double runHpa,
                 const Thermometer& thermometer);

}  // namespace colmara
