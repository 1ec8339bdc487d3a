// One moment of a batch run: the column solved for the boiler's strength at
// that moment, as the window solves the field texts it is given.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "batch/batcherror.h"
#include "batch/batchrequest.h"
#include "model/column.h"
#include "study/caseresult.h"

namespace colmara {

// The steps of the strength policy's reflux ratio. Each step changes the
// product amount, so the run's integrands are staircases; steps this fine
// keep the stairs below the integration's tolerance.
inline constexpr double kBatchRefluxResolution = 0.001;

// The highest maximum reflux the strength policy takes. Its seek bisects the
// steps from the last moment's reflux up to the maximum, so a wide range
// costs a few calculations more, not one for each of its 10^12 steps.
inline constexpr double kBatchMostMaxReflux = 1e9;

struct BatchMoment {
    InputTexts inputs;  // the field texts calculated (strength by weight)
    CaseResult result;
    long double fraction = 0;  // boiler mass fraction, as the calculation read the text
    long double reflux = 0;    // the reflux ratio, as read from its text
    std::int32_t power = 0;    // W, as read from its text

    long double ProductFraction() const { return *result.productStrength / 100; }
    long double Rate() const { return *result.productAmount; }  // g/h
    // The product is stronger than the boiler: the run depletes it.
    bool Enriches() const { return ProductFraction() > fraction && Rate() > 0; }
};

// Solves the moments of one run on one column, each field text once.
class BatchSolver {
  public:
    // Throws StudyError for a strength policy's maximum reflux above
    // kBatchMostMaxReflux.
    BatchSolver(const BatchRequest& request, const FormatSettings& settings);

    // The moment at a boiler strength given as a field text by weight. Under
    // the reflux policy the reflux is the request's text; under the strength
    // policy it is the least reflux on the seek's steps from `refluxFloor`
    // up that reaches the target, or the maximum when none does. Throws
    // BatchFailure when the calculation fails, or when `first` and the target
    // is out of reach.
    BatchMoment At(const std::string& strengthText, long double refluxFloor, bool first = false);

    // The field text of boiler mass fraction `fraction`.
    std::string StrengthText(long double fraction) const;

    // Throws BatchCancelled once the request's `cancelled` says so: asked
    // before every calculation and by every loop of the run.
    void CheckCancelled() const;

    std::uint64_t Solves() const { return solves_; }

  private:
    BatchMoment Solve(const InputTexts& inputs, const CaseResult* known = nullptr);
    BatchMoment Seek(const InputTexts& inputs, long double refluxFloor, bool first);

    const BatchRequest& request_;
    const FormatSettings& settings_;
    Column column_;
    std::map<std::string, BatchMoment> known_;  // by strength and reflux floor
    std::uint64_t solves_ = 0;
};

}  // namespace colmara
