// The two limits of a separation drawn on the McCabe-Thiele diagram, in
// its fractions: the staircase of the fewest plates at total reflux, where
// the operating line is the diagonal, and a mark at the pinch of the least
// reflux. Computed apart from painting, so the chart only fills series.
#pragma once

#include <vector>

#include "study/mccabethiele.h"
#include "study/separationlimits.h"

namespace colmara {

struct LimitsDiagram {
    // From the boiler's liquid on the diagonal, a vertical step up to the
    // vapour each stage gives off and a horizontal one back to the
    // diagonal, where that vapour is the next plate's liquid:
    // (xB, xB), (xB, y0), (y0, y0), (y0, y1), (y1, y1), ... (yN, yN).
    // One vertical step for the boiler and one for each plate.
    std::vector<XYPoint> staircase;
    // A horizontal mark at the pinch's vapour strength, from the liquid the
    // equilibrium curve gives it to the diagonal: the operating line of the
    // least reflux passes between them there.
    std::vector<XYPoint> pinch;
};

// The diagram of `limits` for a boiler liquid (a mass fraction) and plates
// of Murphree efficiency `efficiency` (a fraction, as LimitsOf was given
// it), in the fractions of DiagramUnit(unit). The staircase has the whole
// fewest plates, so its last step reaches the target or just beyond.
LimitsDiagram LimitsDiagramOf(const SeparationLimits& limits, long double boiler,
                              long double efficiency, StrengthUnit unit = StrengthUnit::Weight);

}  // namespace colmara
