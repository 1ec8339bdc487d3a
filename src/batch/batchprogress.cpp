#include "batch/batchprogress.h"

#include <algorithm>

namespace colmara {

BatchProgress::BatchProgress(const BatchRequest& request)
    : request_(request), distilling_(request.timeline ? 0.5L : 1.0L) {}

void BatchProgress::Distilled(const BatchState& state, const Charge& charge) const {
    const long double ethanol = charge.Ethanol();
    Tell(ethanol > 0 ? distilling_ * state.ethanolCollected / ethanol : 0);
}

void BatchProgress::Rows(std::size_t done, std::size_t rows) const {
    Tell(distilling_ + (1 - distilling_) * done / rows);
}

void BatchProgress::Finished() const {
    Tell(1);
}

void BatchProgress::Tell(long double share) const {
    if (request_.progress) request_.progress(static_cast<double>(std::clamp(share, 0.0L, 1.0L)));
}

}  // namespace colmara
