// Goal seek: the smallest plate count, reflux ratio, power or plate
// efficiency (one varies, the other field texts stay as given) whose product
// strength or product amount reaches a target.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "study/input.h"
#include "study/strengthunit.h"
#include "study/sweepaxis.h"
#include "study/sweeprow.h"
#include "study/valuetext.h"

namespace colmara {

// The inputs a seek can vary, in the order options list them.
inline constexpr std::array<Input, 4> kSeekInputs{Input::Plates, Input::Reflux, Input::Power,
                                                  Input::Efficiency};
enum class SeekQuantity { ProductStrength, ProductAmount };

// The range a seek tries when the request gives no bound: plates 0 to 100,
// reflux 0 to 100, power 1 to 100000 W, efficiency 1 to 100 %. Throws StudyError for an input that
// is not one of kSeekInputs.
struct SeekBounds {
    double min;
    double max;
};
SeekBounds DefaultSeekBounds(Input input);

struct SeekRequest {
    InputTexts inputs;           // the varied input's text is not read
    Input vary = Input::Plates;  // one of kSeekInputs
    SeekQuantity quantity = SeekQuantity::ProductStrength;
    double target = 0;  // a product strength in `unit`, or g/h
    // Bounds of the varied input (DefaultSeekBounds when absent).
    std::optional<double> min;
    std::optional<double> max;
    // Reflux and efficiency: the candidates are min, min + resolution, ...
    // (as a sweep range min:max:resolution generates them).
    double resolution = 0.01;
    // The unit of the strength text in `inputs` and of a target strength.
    StrengthUnit unit = StrengthUnit::Weight;
    // Reflux and power: the most candidates a range may have. The search
    // solves only some of them (see Seek), so a caller may allow more than
    // a sweep's rows.
    std::uint64_t mostCandidates = kMaxSweepRows;
};

struct SeekResult {
    bool reachable = false;
    // When reachable, the smallest candidate that reaches the target. When
    // not, the candidate that came closest (the highest quantity solved), or
    // the first one tried if none could be calculated.
    SweepRow row;
    std::string value;  // the varied input's field text in `row`
    std::uint64_t solves = 0;
};

// Plates are scanned from the lowest count up (at most 101 solves), up to
// the first count whose column more plates would only repeat
// (Column::passplates): the larger counts would give its quantity again, or
// fail, so the result is what solving every count gives. The scan compares
// each count's product from the bisection passes alone (SolveProduct) and
// solves in full only the count it settles on; should that one fail in
// full, it scans again solving every count in full. Reflux,
// power and efficiency are tried on a coarse grid and then bisected between the last
// miss and the first hit, which assumes the quantity rises with the input
// between grid points. A case reaches the target when its quantity, as
// printed (the double nearest the calculated value), is at or above it, so a
// target copied from a printed row is reached by that row. Failed
// calculations never count as reaching the target, nor does a product
// strength without a value in the request's unit. Throws StudyError for
// bounds outside the input's values (plates 0 to 100, reflux 0 or more,
// power 1 or more, efficiency 1 to 100), a resolution it cannot use, or a strength by volume
// outside 0..100 %, before solving anything. Runs on the calling thread,
// whose floating-point unit must be set up as the program sets it
// (InitFloatingPoint).
SeekResult Seek(const SeekRequest& request, const FormatSettings& settings);

// Why a seek found nothing: the target, the range tried and the best reached,
// e.g. "product strength 97 % is out of reach with plates from 0 to 100: the
// best is 95.57... % at plates 100". The best, a calculated number, is
// written by `calculated` (the shortest text of its double unless a caller
// rounds as its window shows numbers).
std::string UnreachableMessage(const SeekRequest& request, const SeekResult& result,
                               const std::function<std::string(double)>& calculated = PlainNumber);

}  // namespace colmara
