#include "batch/logmisfit.h"

#include <algorithm>

#include "study/studyerror.h"

namespace colmara {

namespace {

// A spread below this (degC, %, ml or g) is taken as this: a kind whose
// readings never change still weighs, as finely as a logger reads.
constexpr long double kLeastSpread = 0.1L;

std::size_t KindOf(LogReading reading) {
    switch (reading) {
        case LogReading::HeadTemperature:
            return 0;
        case LogReading::BoilerTemperature:
            return 1;
        case LogReading::ProductStrength:
        case LogReading::ProductStrengthVol:
            return 2;
        case LogReading::CollectedMl:
        case LogReading::CollectedG:
        case LogReading::PressureHpa:
            break;
    }
    return 3;
}

// The variance and the second-difference scatter of one kind's values, in
// time order.
void Describe(KindFit& kind, const std::vector<long double>& values) {
    kind.readings = values.size();
    long double mean = 0;
    for (long double v : values) mean += v / values.size();
    for (long double v : values) kind.variance += (v - mean) * (v - mean) / values.size();
    if (values.size() < 3) return;
    for (std::size_t i = 1; i + 1 < values.size(); ++i) {
        const long double second = values[i - 1] - 2 * values[i] + values[i + 1];
        kind.scatter += second * second / 6 / (values.size() - 2);
    }
}

}  // namespace

bool KindFit::Poor() const {
    if (readings == 0) return false;
    if (variance <= 4 * scatter) return true;
    return residual > scatter + (variance - scatter) / 4;
}

LogMisfit::LogMisfit(std::vector<LogPoint> points) : points_(std::move(points)) {
    if (points_.empty())
        throw StudyError("the log holds no reading the model can be compared with");
    std::stable_sort(points_.begin(), points_.end(), [](const LogPoint& a, const LogPoint& b) {
        return KindOf(a.reading) < KindOf(b.reading);
    });
    std::array<std::vector<long double>, kReadingKinds> values;
    for (const LogPoint& point : points_) values[KindOf(point.reading)].push_back(point.value);
    for (std::size_t k = 0; k < kReadingKinds; ++k)
        if (!values[k].empty()) Describe(kinds_[k], values[k]);
}

std::array<KindFit, kReadingKinds> LogMisfit::Kinds(const std::vector<BatchRow>& timeline) const {
    std::array<KindFit, kReadingKinds> kinds = kinds_;
    for (const LogPoint& point : points_) {
        KindFit& kind = kinds[KindOf(point.reading)];
        const long double r = point.value - ModelValue(timeline, point);
        kind.residual += r * r / kind.readings;
    }
    return kinds;
}

long double LogMisfit::Of(const std::vector<BatchRow>& timeline) const {
    long double sum = 0;
    int used = 0;
    for (const KindFit& kind : Kinds(timeline)) {
        if (kind.readings == 0) continue;
        const long double spread = std::max(kind.variance, kLeastSpread * kLeastSpread);
        sum += kind.residual / spread;
        ++used;
    }
    return sum / used;
}

bool LogMisfit::Poor(const std::vector<BatchRow>& timeline) const {
    const auto kinds = Kinds(timeline);
    return std::any_of(kinds.begin(), kinds.end(), [](const KindFit& k) { return k.Poor(); });
}

}  // namespace colmara
