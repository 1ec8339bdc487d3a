#include "study/limitsdiagram.h"

#include "model/properties.h"

namespace colmara {

namespace {

double Drawn(long double massFraction, StrengthUnit unit) {
    return static_cast<double>(DiagramFraction(massFraction * 100, unit));
}

// The liquid whose equilibrium vapour is `vapour`, by halving: the
// correlation rises from 0 to the azeotrope, where it stops.
long double LiquidUnder(long double vapour) {
    long double low = 0;
    long double high = 0.9558L;
    for (int i = 0; i < 64; ++i) {
        const long double mid = (low + high) / 2;
        (vapourstrength(mid) < vapour ? low : high) = mid;
    }
    return (low + high) / 2;
}

}  // namespace

LimitsDiagram LimitsDiagramOf(const SeparationLimits& limits, long double boiler,
                              long double efficiency, StrengthUnit unit) {
    LimitsDiagram diagram;
    const std::vector<long double> vapours =
        TotalRefluxVapours(boiler, limits.fewestPlates.plates, efficiency);
    diagram.staircase.reserve(1 + 2 * vapours.size());
    long double liquid = boiler;
    diagram.staircase.push_back({Drawn(liquid, unit), Drawn(liquid, unit)});
    for (long double vapour : vapours) {
        diagram.staircase.push_back({Drawn(liquid, unit), Drawn(vapour, unit)});
        diagram.staircase.push_back({Drawn(vapour, unit), Drawn(vapour, unit)});
        liquid = vapour;
    }
    const long double pinch = limits.pinch.strength;
    diagram.pinch = {{Drawn(LiquidUnder(pinch), unit), Drawn(pinch, unit)},
                     {Drawn(pinch, unit), Drawn(pinch, unit)}};
    return diagram;
}

}  // namespace colmara
