#include "batch/logpairing.h"

#include <algorithm>

#include "batch/headtemperature.h"
#include "boiling/airpressure.h"
#include "boiling/boilingerror.h"
#include "boiling/boilingpoint.h"
#include "study/strengthunit.h"
#include "study/valuetext.h"

namespace colmara {

namespace {

// Notes beyond this many are counted, not listed (a logger's heat-up alone
// writes hundreds of temperatures no mixture boils at).
constexpr std::size_t kMaxNotes = 100;

// The run's state at one minute, between two rows of the timeline.
struct ModelMoment {
    long double product = 0;  // % by weight
    long double boiler = 0;   // % by weight
    long double collected = 0;
    long double ethanol = 0;  // g of it, every cut together
};

// The ethanol collected by `row`: what has left the boiler since the first.
long double EthanolCollected(const std::vector<BatchRow>& timeline, const BatchRow& row) {
    const BatchRow& first = timeline.front();
    const long double left =
        first.boilerMass * first.boilerPercent / 100 - row.boilerMass * row.boilerPercent / 100;
    return std::clamp(left, 0.0L, row.collected);
}

ModelMoment MomentOf(const std::vector<BatchRow>& timeline, const BatchRow& row) {
    return {*row.result.productStrength, row.boilerPercent, row.collected,
            EthanolCollected(timeline, row)};
}

ModelMoment MomentAt(const std::vector<BatchRow>& timeline, long double minute) {
    const auto after =
        std::lower_bound(timeline.begin(), timeline.end(), minute,
                         [](const BatchRow& row, long double m) { return row.minute < m; });
    if (after == timeline.begin()) return MomentOf(timeline, timeline.front());
    if (after == timeline.end()) return MomentOf(timeline, timeline.back());
    const ModelMoment a = MomentOf(timeline, *(after - 1));
    const ModelMoment b = MomentOf(timeline, *after);
    const long double span = after->minute - (after - 1)->minute;
    const long double t = span > 0 ? (minute - (after - 1)->minute) / span : 1;
    const auto mix = [t](long double x, long double y) { return x + (y - x) * t; };
    return {mix(a.product, b.product), mix(a.boiler, b.boiler), mix(a.collected, b.collected),
            mix(a.ethanol, b.ethanol)};
}

class Judge {
  public:
    Judge(const RunLog& log, long double runHpa, const Thermometer& thermometer)
        : runHpa_(runHpa), thermometer_(thermometer) {
        out_.notes = log.notes;
        for (const LogRow& row : log.rows) Row(row, log.readings);
        if (unlisted_ > 0)
            out_.notes.push_back("and " + std::to_string(unlisted_) + " more readings left out");
    }
    LogPoints Take() { return std::move(out_); }

  private:
    void Row(const LogRow& row, const std::vector<LogReading>& readings) {
        const std::string at = "line " + std::to_string(row.line) + ": ";
        long double hpa = runHpa_;
        if (const auto& given = row[LogReading::PressureHpa]) {
            try {
                hpa = CheckedPressure(*given);
            } catch (const BoilingError& e) {
                // Its temperatures cannot be judged; its other readings can.
                hpa = 0;
                Note(at + e.Message() + "; the row's temperatures are left out");
            }
        }
        for (LogReading reading : readings)
            if (reading != LogReading::PressureHpa && row[reading])
                Reading(row, reading, *row[reading], hpa, at);
    }

    void Reading(const LogRow& row, LogReading reading, long double value, long double hpa,
                 const std::string& at) {
        LogPoint point{row.line, row.minute, reading, value, hpa, value};
        const bool head = reading == LogReading::HeadTemperature;
        if (head || reading == LogReading::BoilerTemperature) {
            if (hpa == 0) return;
            point.value = thermometer_.TrueCelsius(value);
            try {
                point.strength = 100 * (head ? VapourAtCelsius(point.value, hpa)
                                             : LiquidAtCelsius(point.value, hpa));
            } catch (const BoilingError& e) {
                return Note(at + LogReadingKey(reading) + " " +
                            PlainNumber(static_cast<double>(value)) + " degC: " + e.Message());
            }
        } else if (reading == LogReading::ProductStrengthVol) {
            point.strength = WeightFromVolume(value);
        }
        out_.points.push_back(point);
    }

    void Note(std::string note) {
        if (out_.notes.size() < kMaxNotes)
            out_.notes.push_back(std::move(note));
        else
            ++unlisted_;
    }

    long double runHpa_;
    Thermometer thermometer_;
    LogPoints out_;
    std::size_t unlisted_ = 0;
};

}  // namespace

LogPoints ComparableReadings(const RunLog& log, long double runHpa,
                             const Thermometer& thermometer) {
    return Judge(log, runHpa, thermometer).Take();
}

long double ModelValue(const std::vector<BatchRow>& timeline, const LogPoint& point) {
    const ModelMoment m = MomentAt(timeline, point.minute);
    switch (point.reading) {
        case LogReading::HeadTemperature:
            return HeadCelsius(m.product / 100, point.hpa);
        case LogReading::BoilerTemperature:
            return LiquidBoilingCelsius(m.boiler / 100, point.hpa);
        case LogReading::ProductStrength:
            return m.product;
        case LogReading::ProductStrengthVol:
            return VolumeFromWeight(m.product);
        case LogReading::CollectedMl:
            return Collected{m.collected, m.ethanol}.Volume();
        case LogReading::CollectedG:
        case LogReading::PressureHpa:
            break;
    }
    return m.collected;
}

LogPairs PairLog(const RunLog& log, const std::vector<BatchRow>& timeline, long double runHpa,
                 const Thermometer& thermometer) {
    LogPoints comparable = ComparableReadings(log, runHpa, thermometer);
    LogPairs pairs{{}, std::move(comparable.notes)};
    if (timeline.empty()) {
        pairs.notes.push_back("the run stopped while heating: no reading is compared");
        return pairs;
    }
    for (const LogPoint& point : comparable.points)
        pairs.readings.push_back({point, ModelValue(timeline, point)});
    return pairs;
}

}  // namespace colmara
