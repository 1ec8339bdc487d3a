// A stretch of a batch run between two solved moments, and the run's state
// anywhere inside it. The balances
//   dW = -D dt,   d(W w) = -D w_D dt
// (W, w the boiler's mass and mass fraction, D, w_D the product's rate and
// mass fraction) give, over u = ln w,
//   d ln W / du = w / (w_D - w),   dt / du = -W w / ((w_D - w) D),
// whose right-hand sides depend on w alone while power, plates and reflux
// hold. A stretch interpolates them quadratically through its three moments
// (Simpson's rule over the whole stretch) and integrates that exactly.
#pragma once

#include "batch/batchmoment.h"

namespace colmara {

// Where the run is at one moment. Everything collected is what left the
// boiler, so the mass balance holds by construction.
struct BatchState {
    long double fraction = 0;          // boiler mass fraction
    long double mass = 0;              // boiler, g
    long double hours = 0;             // distilling time
    long double productFraction = 0;   // what is collected now
    long double collected = 0;         // g, every cut together
    long double ethanolCollected = 0;  // g
    // The alcohol counts as spent: the rest is taken off at the boiler's
    // strength, not at the column's calculated product.
    bool spent = false;
};

struct Charge {
    long double mass = 0;  // g
    long double fraction = 0;

    long double Ethanol() const { return mass * fraction; }
};

class BatchStretch {
  public:
    // The boiler depleting from `start` (at moment a) through m to b, m midway
    // between them in ln w.
    static BatchStretch Depletion(const Charge& charge, const BatchState& start,
                                  const BatchMoment& a, const BatchMoment& m, const BatchMoment& b);
    // The rest of the boiler taken off at the rate of `at`, its strength
    // unchanged: what is left once the alcohol is spent.
    static BatchStretch Emptying(const Charge& charge, const BatchState& start,
                                 const BatchMoment& at);

    // The state a share `theta` (0..1) along the stretch.
    BatchState At(long double theta) const;
    const BatchState& End() const { return end_; }
    const BatchMoment& First() const { return moments_[0]; }
    bool Emptying() const { return emptying_; }

  private:
    BatchStretch(const Charge& charge, const BatchState& start, const BatchMoment& a,
                 const BatchMoment& m, const BatchMoment& b, bool emptying);
    BatchState Depleted(long double u) const;
    long double Interpolated(const long double (&values)[3], long double u) const;
    long double LogMassAt(long double u) const;

    Charge charge_;
    BatchState start_;
    BatchState end_;
    BatchMoment moments_[3];
    long double uA_ = 0;
    long double uB_ = 0;
    long double logMassA_ = 0;  // ln(W / charge) at a
    long double slope_[3]{};    // d ln W / du at a, m, b
    long double pace_[3]{};     // w / ((w_D - w) D) at a, m, b
    long double product_[3]{};  // w_D at a, m, b
    bool emptying_ = false;
};

}  // namespace colmara
