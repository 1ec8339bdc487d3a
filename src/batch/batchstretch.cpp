#include "batch/batchstretch.h"

#include <array>
#include <cmath>

namespace colmara {

namespace {

// Gauss-Legendre points and weights on [-1, 1]: two points integrate the
// quadratic slope of ln W exactly; five integrate the time's integrand, W
// times a quadratic, to the ninth degree of its Taylor series.
constexpr long double kGauss2 = 0.577350269189625764509148780501957456L;
constexpr std::array<long double, 5> kGauss5Points = {
    -0.906179845938663992797626878299392965L, -0.538469310105683091036314420700208805L, 0.0L,
    0.538469310105683091036314420700208805L, 0.906179845938663992797626878299392965L};
constexpr std::array<long double, 5> kGauss5Weights = {
    0.236926885056189087514264040719917363L, 0.478628670499366468041291514835638192L,
    0.568888888888888888888888888888888889L, 0.478628670499366468041291514835638192L,
    0.236926885056189087514264040719917363L};

}  // namespace

BatchStretch::BatchStretch(const Charge& charge, const BatchState& start, const BatchMoment& a,
                           const BatchMoment& m, const BatchMoment& b, bool emptying)
    : charge_(charge), start_(start), moments_{a, m, b}, emptying_(emptying) {
    uA_ = std::log(start.fraction);
    uB_ = std::log(b.fraction);
    logMassA_ = std::log(start.mass / charge.mass);
    for (int k = 0; k < 3; ++k) {
        const BatchMoment& moment = moments_[k];
        const long double excess = moment.ProductFraction() - moment.fraction;
        slope_[k] = moment.fraction / excess;
        pace_[k] = moment.fraction / (excess * moment.Rate());
        product_[k] = moment.ProductFraction();
    }
    end_ = At(1);
}

BatchStretch BatchStretch::Depletion(const Charge& charge, const BatchState& start,
                                     const BatchMoment& a, const BatchMoment& m,
                                     const BatchMoment& b) {
    return BatchStretch(charge, start, a, m, b, false);
}

BatchStretch BatchStretch::Emptying(const Charge& charge, const BatchState& start,
                                    const BatchMoment& at) {
    BatchMoment still = at;
    still.fraction = start.fraction;
    return BatchStretch(charge, start, still, still, still, true);
}

long double BatchStretch::Interpolated(const long double (&values)[3], long double u) const {
    const long double s = (u - uA_) / (uB_ - uA_);
    const long double l0 = 2 * (s - 0.5L) * (s - 1);
    const long double l1 = -4 * s * (s - 1);
    const long double l2 = 2 * s * (s - 0.5L);
    return values[0] * l0 + values[1] * l1 + values[2] * l2;
}

long double BatchStretch::LogMassAt(long double u) const {
    const long double middle = (uA_ + u) / 2;
    const long double half = (u - uA_) / 2;
    return logMassA_ + half * (Interpolated(slope_, middle - half * kGauss2) +
                               Interpolated(slope_, middle + half * kGauss2));
}

BatchState BatchStretch::Depleted(long double u) const {
    const long double middle = (u + uA_) / 2;
    const long double half = (uA_ - u) / 2;
    long double hours = 0;
    for (std::size_t k = 0; k < kGauss5Points.size(); ++k) {
        const long double s = middle + half * kGauss5Points[k];
        hours += kGauss5Weights[k] * std::exp(LogMassAt(s)) * Interpolated(pace_, s);
    }
    BatchState state;
    state.fraction = std::exp(u);
    state.mass = charge_.mass * std::exp(LogMassAt(u));
    state.hours = start_.hours + charge_.mass * half * hours;
    state.productFraction = Interpolated(product_, u);
    return state;
}

BatchState BatchStretch::At(long double theta) const {
    if (theta <= 0) return start_;
    BatchState state;
    if (emptying_) {
        state = start_;
        state.mass = start_.mass * (1 - theta);
        state.hours = start_.hours + theta * start_.mass / moments_[0].Rate();
        state.productFraction = start_.fraction;
        state.spent = true;
    } else {
        state = Depleted(theta >= 1 ? uB_ : uA_ + (uB_ - uA_) * theta);
        if (theta >= 1) state.fraction = moments_[2].fraction;
    }
    state.collected = charge_.mass - state.mass;
    state.ethanolCollected = charge_.Ethanol() - state.mass * state.fraction;
    return state;
}

}  // namespace colmara
