#include "batch/batchpanel.h"

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

BatchPanel::BatchPanel(const Charge& charge, const BatchState& start, const BatchNode& a,
                       const BatchNode& m, const BatchNode& b, bool emptying)
    : charge_(charge), start_(start), nodes_{a, m, b}, emptying_(emptying) {
    uA_ = std::log(start.fraction);
    uB_ = std::log(b.fraction);
    logMassA_ = std::log(start.mass / charge.mass);
    for (int k = 0; k < 3; ++k) {
        const BatchNode& node = nodes_[k];
        const long double excess = node.ProductFraction() - node.fraction;
        slope_[k] = node.fraction / excess;
        pace_[k] = node.fraction / (excess * node.Rate());
        product_[k] = node.ProductFraction();
    }
    end_ = At(1);
}

BatchPanel BatchPanel::Depletion(const Charge& charge, const BatchState& start, const BatchNode& a,
                                 const BatchNode& m, const BatchNode& b) {
    return BatchPanel(charge, start, a, m, b, false);
}

BatchPanel BatchPanel::Emptying(const Charge& charge, const BatchState& start,
                                const BatchNode& at) {
    BatchNode still = at;
    still.fraction = start.fraction;
    return BatchPanel(charge, start, still, still, still, true);
}

long double BatchPanel::Interpolated(const long double (&values)[3], long double u) const {
    const long double s = (u - uA_) / (uB_ - uA_);
    const long double l0 = 2 * (s - 0.5L) * (s - 1);
    const long double l1 = -4 * s * (s - 1);
    const long double l2 = 2 * s * (s - 0.5L);
    return values[0] * l0 + values[1] * l1 + values[2] * l2;
}

long double BatchPanel::LogMassAt(long double u) const {
    const long double middle = (uA_ + u) / 2;
    const long double half = (u - uA_) / 2;
    return logMassA_ + half * (Interpolated(slope_, middle - half * kGauss2) +
                               Interpolated(slope_, middle + half * kGauss2));
}

BatchState BatchPanel::Depleted(long double u) const {
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

BatchState BatchPanel::At(long double theta) const {
    if (theta <= 0) return start_;
    BatchState state;
    if (emptying_) {
        state = start_;
        state.mass = start_.mass * (1 - theta);
        state.hours = start_.hours + theta * start_.mass / nodes_[0].Rate();
        state.productFraction = start_.fraction;
    } else {
        state = Depleted(theta >= 1 ? uB_ : uA_ + (uB_ - uA_) * theta);
        if (theta >= 1) state.fraction = nodes_[2].fraction;
    }
    state.collected = charge_.mass - state.mass;
    state.ethanolCollected = charge_.Ethanol() - state.mass * state.fraction;
    return state;
}

}  // namespace colmara
