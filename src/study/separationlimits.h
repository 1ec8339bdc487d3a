// The two limits of a separation that a distillation course starts from,
// for a boiler strength and a target product strength: the fewest plates
// (at total reflux, see platecount.h), and the least reflux ratio with
// which the largest column the model allows (100 plates) reaches the
// target, with where that column pinches.
//
// At the least reflux the column's strength all but stops changing over a
// run of plates, the pinch: at the bottom, at the boiler's own vapour, for
// targets a weak boiler reaches easily; higher up, where the operating
// points touch the equilibrium curve (a tangent pinch), for targets near
// the azeotrope from a strong boiler, where the least reflux no longer
// depends on the boiler. Strengths are mass fractions (0 to 1).
#pragma once

#include <cstdint>
#include <string>

#include "runtime/numconv.h"
#include "study/platecount.h"

namespace colmara {

// A plate belongs to the pinch while the vapour strength from it to the
// next changes by less than this (a mass fraction: 0.05 % by weight).
inline constexpr long double kPinchStep = 0.0005L;
// The reflux ratios the least reflux is sought on: 0 to 100 in these steps.
inline constexpr double kLeastRefluxResolution = 0.001;

struct Pinch {
    int from = 0;              // its lowest plate (0 is the boiler)
    int to = 0;                // its highest plate
    long double strength = 0;  // the vapour on its plate of least change
};

struct SeparationLimits {
    PlateCount fewestPlates;  // at total reflux
    std::string leastReflux;  // the field text of the least reflux ratio found
    Pinch pinch;              // of the 100-plate column at that reflux
    std::uint64_t solves = 0;
};

// Throws StudyError "target: ..." for a target above the azeotrope, or no
// stronger than the boiler's own vapour (the boiler alone gives it), and
// OutOfReachError when 100 plates or no reflux up to 100 reach it, saying
// what is reached.
// `efficiency` is the plates' efficiency as a field text in per cent, read
// as the calculation reads it; both limits are those of such plates. The
// messages write strengths in `unit`, the one they were given in.
SeparationLimits LimitsOf(long double boiler, long double target, const std::string& power,
                          const FormatSettings& settings, const std::string& efficiency = "100",
                          StrengthUnit unit = StrengthUnit::Weight);

}  // namespace colmara
