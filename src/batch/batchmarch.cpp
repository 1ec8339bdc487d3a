#include "batch/batchmarch.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace colmara {

namespace {

// Steps in ln w: the first, and the bounds step control keeps to. The
// smallest step is taken whatever its error estimate, so that a kink of the
// correlations cannot stall the run.
constexpr long double kFirstStep = -0.005L;
constexpr long double kLargestStep = -0.5L;
constexpr long double kSmallestStep = -1e-4L;

// |Simpson - composite trapezoid| over the stretch, relative to Simpson's.
long double RelativeError(long double a, long double m, long double b) {
    const long double simpson = (a + 4 * m + b) / 6;
    const long double trapezoid = (a + 2 * m + b) / 4;
    return std::fabs(simpson - trapezoid) / std::fabs(simpson);
}

long double Slope(const BatchMoment& moment) {
    return moment.fraction / (moment.ProductFraction() - moment.fraction);
}

}  // namespace

BatchMarch::BatchMarch(BatchSolver& solver, const Charge& charge, const BatchMoment& first,
                       std::string lowestText, long double lowest, bool empties,
                       long double tolerance)
    : solver_(solver),
      charge_(charge),
      last_(first),
      lowestText_(std::move(lowestText)),
      lowestU_(std::log(lowest)),
      empties_(empties),
      tolerance_(tolerance),
      step_(kFirstStep) {
    state_.fraction = first.fraction;
    state_.mass = charge.mass;
    state_.productFraction = first.ProductFraction();
    if (!first.Enriches()) end_ = MarchEnd::NoEnrichment;
}

BatchMoment BatchMarch::MomentAt(long double u, long double refluxFloor) {
    return solver_.At(solver_.StrengthText(std::exp(u)), refluxFloor);
}

long double BatchMarch::Error(const BatchMoment& m, const BatchMoment& b, long double step) const {
    const long double massError = RelativeError(Slope(last_), Slope(m), Slope(b));
    // The time's integrand W w / ((w_D - w) D), W from the slope's trapezoids.
    const auto pace = [](const BatchMoment& moment, long double logMass) {
        return std::exp(logMass) * Slope(moment) / moment.Rate();
    };
    const long double logMassM = step / 4 * (Slope(last_) + Slope(m));
    const long double logMassB = logMassM + step / 4 * (Slope(m) + Slope(b));
    return std::max(massError, RelativeError(pace(last_, 0), pace(m, logMassM), pace(b, logMassB)));
}

std::optional<BatchStretch> BatchMarch::Next() {
    if (end_ != MarchEnd::Running) return std::nullopt;
    const long double u = std::log(state_.fraction);
    if (u <= lowestU_) {
        if (!empties_ || state_.mass <= 0) {
            end_ = empties_ ? MarchEnd::Empty : MarchEnd::BoilerStrength;
            return std::nullopt;
        }
        const BatchStretch emptying = BatchStretch::Emptying(charge_, state_, last_);
        state_ = emptying.End();
        end_ = MarchEnd::Empty;
        return emptying;
    }
    for (;;) {
        const bool last = step_ <= lowestU_ - u;
        const long double step = last ? lowestU_ - u : step_;
        const BatchMoment m = MomentAt(u + step / 2, last_.reflux);
        const BatchMoment b =
            last ? solver_.At(lowestText_, m.reflux) : MomentAt(u + step, m.reflux);
        if (!m.Enriches() || !b.Enriches()) {
            end_ = MarchEnd::NoEnrichment;
            return std::nullopt;
        }
        const long double error = Error(m, b, step);
        const long double change =
            std::clamp(0.9L * std::sqrt(tolerance_ / std::max(error, 1e-30L)), 0.25L, 2.0L);
        if (error <= tolerance_ || step >= kSmallestStep) {
            step_ = std::clamp(step * change, kLargestStep, kSmallestStep);
            const BatchStretch stretch = BatchStretch::Depletion(charge_, state_, last_, m, b);
            state_ = stretch.End();
            last_ = b;
            return stretch;
        }
        step_ = std::min(step * change, kSmallestStep);
    }
}

}  // namespace colmara
