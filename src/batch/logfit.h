// The still that fits a run log: the whole number of plates (0 to 100) and
// the share of the heating power lost (0 to 60 %; the rest boils liquid)
// that make a batch run's misfit to the log's readings least (logmisfit.h).
//
// The fit runs the batch run as it is, each time with the plates and a
// lower power (the power less the loss, in whole watts; the heat-up uses
// it too), and searches rather than running every pair: the loss by
// Brent's method on a line for the plates given, then the plates by a
// golden-section bracketing at that loss, then in turns the loss near its
// last value and the plates within two of theirs, until neither moves. The
// misfit may have several local minima (a cut that moves across a reading,
// plates beyond which the product no longer strengthens), so the fit is the
// least misfit the search met, not certainly the least there is. The run as
// given is among those met, and the fit then steps to a neighbour (a plate,
// or 5 points of loss, away) while one fits better, so the fit is never
// worse than the still as given nor than the neighbours its sharpness
// reports, but where counts fit within 1 % of each other the fewer plates win. The
// numbers are effective, not physical: holdup on the plates, a column that
// is not at its steady state, heat lost from the column rather than the
// boiler all fold into them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "batch/batchrequest.h"
#include "batch/logmisfit.h"
#include "boiling/thermometer.h"
#include "runtime/numconv.h"
#include "study/runlog.h"

namespace colmara {

inline constexpr int kMostFittedPlates = 100;
inline constexpr long double kMostHeatLossPercent = 60;

// The misfit a step away from the fit, absent where the step leaves the
// range searched: how sharp the minimum is.
struct FitSharpness {
    std::optional<long double> fewerPlates, morePlates;  // plates -1, +1
    std::optional<long double> lessLoss, moreLoss;       // loss -5, +5 points
};

struct LogFit {
    int plates = 0;
    long double heatLossPercent = 0;  // 100 (1 - watts / power given)
    std::int32_t watts = 0;           // what boils liquid
    long double misfit = 0;
    long double misfitGiven = 0;  // at the plates and power given
    bool poorFit = false;
    std::array<KindFit, kReadingKinds> kinds;  // at the fit
    FitSharpness sharpness;
    std::vector<std::string> notes;  // the log's, and the readings left out
    int runs = 0;                    // batch runs made
};

// Fits `log` from `request` (a batch run as BatchRequestOf reads it: its
// plates and power are where the search starts and what misfit_given
// compares), its temperatures put right by `thermometer` and read at the
// request's pressure where a row gives none. The request's `cancelled` is
// asked before every moment of every run, and the fit stops by throwing
// BatchCancelled; its `progress` is told the share of the fit's runs done.
// Throws what RunBatch throws for the run as given, and StudyError when
// the log holds no reading the model can be compared with; a run tried
// that fails (a timeline that would grow too long at a low power, say)
// only fits nothing. Runs on the calling thread, whose floating-point unit
// must be set up as the program sets it (InitFloatingPoint).
LogFit FitLog(const BatchRequest& request, const RunLog& log, const Thermometer& thermometer,
              const FormatSettings& settings);

}  // namespace colmara
