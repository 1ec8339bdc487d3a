// The integration of a batch run: stretch after stretch down the boiler's
// strength, each as long as the error allowed lets it be.
#pragma once

#include <optional>
#include <string>

#include "batch/batchstretch.h"

namespace colmara {

// Why the stretches ran out.
enum class MarchEnd { Running, BoilerStrength, Empty, NoEnrichment };

class BatchMarch {
  public:
    // Depletes from the charge (moment `first`) down to the boiler strength
    // `lowestText` (a field text by weight, mass fraction `lowest`); when
    // `empties`, the liquid left there is then taken off too.
    BatchMarch(BatchSolver& solver, const Charge& charge, const BatchMoment& first,
               std::string lowestText, long double lowest, bool empties, long double tolerance);

    // The next stretch, or nothing once the run can go no further (End()
    // says why).
    std::optional<BatchStretch> Next();
    MarchEnd End() const { return end_; }

  private:
    BatchMoment MomentAt(long double u, long double refluxFloor);
    // The largest error estimate, relative to the stretch's own change, of
    // ln W and of the time.
    long double Error(const BatchMoment& m, const BatchMoment& b, long double step) const;

    BatchSolver& solver_;
    Charge charge_;
    BatchState state_;
    BatchMoment last_;
    std::string lowestText_;
    long double lowestU_;
    bool empties_;
    long double tolerance_;
    long double step_;  // in ln w, negative
    MarchEnd end_ = MarchEnd::Running;
};

}  // namespace colmara
