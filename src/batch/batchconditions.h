// The ends of cuts and the stops of a run, as tests on the run's state.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "batch/batchrequest.h"
#include "batch/batchresult.h"
#include "batch/batchstretch.h"

namespace colmara {

using StateTest = std::function<bool(const BatchState& state)>;

// A test, and for a product strength falling below a mark the mark (mass
// fraction): the run finds that moment from solved moments, not from the
// interpolated product strength alone.
struct EndTest {
    StateTest met;
    std::optional<long double> productBelow;
};

// What the run knows beyond the state: the charge and when distilling began.
struct RunContext {
    const BatchRequest& request;
    Charge charge;
    long double heatUpMinutes = 0;
};

// What left the boiler between two states.
Collected Between(const BatchState& from, const BatchState& to);

// True once the cut that began at `cutStart` has ended.
EndTest CutEndTest(const CutCondition& end, const BatchState& cutStart, const RunContext& run);

struct Stop {
    BatchEnd end;
    EndTest test;
};

// Why a run stopped `minutes` after heating began: "after 90 min".

// The request's stops that are tests on the state (the boiler strength is
// the march's lowest point instead).
std::vector<Stop> StateStops(const RunContext& run);

// The first share along `stretch`, from `from` on, where `test` holds (tests
// are taken to stay true once true), or a negative number when it never does.
// A product strength's mark is then met where the solved moments reach it.
long double FirstWhere(BatchSolver& solver, const BatchStretch& stretch, long double from,
                       const EndTest& test);

}  // namespace colmara
