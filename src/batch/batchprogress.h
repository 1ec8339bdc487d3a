// The share of a run done, as the request's `progress` is told it. Distilling
// counts by the share of the charge's ethanol collected (a run that stops
// early jumps to its end), the timeline by its rows solved; with a timeline,
// distilling is the first half of the run and the rows the second.
#pragma once

#include <cstddef>

#include "batch/batchrequest.h"
#include "batch/batchstretch.h"

namespace colmara {

class BatchProgress {
  public:
    explicit BatchProgress(const BatchRequest& request);

    // The run has distilled as far as `state`.
    void Distilled(const BatchState& state, const Charge& charge) const;
    // `done` of the timeline's `rows` are solved.
    void Rows(std::size_t done, std::size_t rows) const;
    void Finished() const;

  private:
    void Tell(long double share) const;

    const BatchRequest& request_;
    long double distilling_;  // the share of the run that distilling counts for
};

}  // namespace colmara
