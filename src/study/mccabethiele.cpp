#include "study/mccabethiele.h"

#include <algorithm>
#include <cmath>

#include "model/properties.h"
#include "study/vletable.h"

namespace colmara {

StrengthUnit DiagramUnit(StrengthUnit unit) {
    return unit == StrengthUnit::Mole ? StrengthUnit::Mole : StrengthUnit::Weight;
}

long double DiagramFraction(long double percentByWeight, StrengthUnit unit) {
    const long double p = percentByWeight / 100;
    if (DiagramUnit(unit) == StrengthUnit::Weight) return p;
    const long double ethanol = p / EthanolMolarMass();
    return ethanol / (ethanol + (1 - p) / WaterMolarMass());
}

namespace {

// A point the diagram draws, a double.
double Drawn(long double percentByWeight, StrengthUnit unit) {
    return static_cast<double>(DiagramFraction(percentByWeight, unit));
}

// The correlation ends at kAzeotrope: from there on vapourstrength returns
// the azeotrope itself, a cap rather than a fit.
// Where its fits hand over to a blend or to the next fit; the blends step
// slightly at the first two.
constexpr long double kHandOvers[] = {0.3374L, 0.5544L, 0.7254L};
// Even intervals from 0 to the azeotrope: one about every 0.004, finer than
// a pixel on any panel the curve is drawn in.
constexpr int kIntervals = 240;

// Vapours sampled for the pseudo-equilibrium curve, from the boiler's to
// the product's.
constexpr int kPseudoIntervals = 120;

// The pseudo-equilibrium curve of a solved profile. The liquid under a
// vapour y is the final pass's balance between the plate and the stage
// below: x = (y V - D xD) / (V - D), V = energy / heatofvaporization(y).
std::vector<XYPoint> PseudoEquilibrium(const CaseProfile& profile, long double boilerVapour,
                                       StrengthUnit unit) {
    std::vector<XYPoint> curve;
    if (profile.efficiency == 1) return curve;
    const long double product = *profile.result.productAmount;
    const long double top = *profile.result.productStrength / 100;
    for (int k = 0; k <= kPseudoIntervals; ++k) {
        const long double y = boilerVapour + (top - boilerVapour) * k / kPseudoIntervals;
        const long double vapour = profile.energy / heatofvaporization(y);
        const long double liquidMass = vapour - product;
        if (!(liquidMass > 0)) continue;  // no liquid flows down there
        const long double x = (y * vapour - product * top) / liquidMass;
        if (!(x >= 0 && x <= 1)) continue;
        const long double leaving = murphreevapour(y, vapourstrength(x), profile.efficiency);
        curve.push_back({Drawn(x * 100, unit), Drawn(leaving * 100, unit)});
    }
    std::sort(curve.begin(), curve.end(),
              [](const XYPoint& a, const XYPoint& b) { return a.x < b.x; });
    return curve;
}

// The doubles either side of a hand-over, so both of its fits are sampled.
std::pair<double, double> DoublesAround(long double boundary) {
    double below = static_cast<double>(boundary);
    if (static_cast<long double>(below) > boundary) below = std::nextafter(below, 0.0);
    return {below, std::nextafter(below, 1.0)};
}

std::vector<XYPoint> SampleCurve(StrengthUnit unit) {
    std::vector<double> xs;
    for (int k = 0; k <= kIntervals; ++k)
        xs.push_back(static_cast<double>(kAzeotrope * k / kIntervals));
    for (long double boundary : kHandOvers) {
        const auto [below, above] = DoublesAround(boundary);
        xs.push_back(below);
        xs.push_back(above);
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());

    std::vector<XYPoint> curve;
    curve.reserve(xs.size());
    // Each y is the correlation at exactly the x the chart is given by mass.
    for (double x : xs) {
        const long double y = vapourstrength(static_cast<long double>(x));
        if (unit == StrengthUnit::Weight)
            curve.push_back({x, static_cast<double>(y)});
        else
            curve.push_back({Drawn(x * 100.0L, unit), Drawn(y * 100, unit)});
    }
    return curve;
}

}  // namespace

std::vector<XYPoint> McCabeDiagram::OperatingPoints() const {
    std::vector<XYPoint> points;
    points.reserve(stages.size());
    for (const McCabeStage& stage : stages)
        if (stage.vapourIn) points.push_back({stage.liquid, *stage.vapourIn});
    return points;
}

std::vector<XYPoint> McCabeDiagram::Staircase() const {
    std::vector<XYPoint> corners;
    if (stages.empty()) return corners;
    corners.reserve(2 * stages.size());
    corners.push_back({stages.front().liquid, stages.front().vapour});
    for (std::size_t i = 1; i < stages.size(); ++i) {
        corners.push_back({stages[i].liquid, stages[i - 1].vapour});
        corners.push_back({stages[i].liquid, stages[i].vapour});
    }
    corners.push_back({product, stages.back().vapour});
    return corners;
}

std::optional<McCabeDiagram> McCabeDiagramOf(const CaseProfile& profile, StrengthUnit unit) {
    if (!profile.result.Solved() || profile.plates.empty() || !profile.result.productStrength)
        return std::nullopt;
    McCabeDiagram diagram;
    diagram.product = Drawn(*profile.result.productStrength, unit);
    if (profile.result.productAmount)
        diagram.pseudoEquilibrium =
            PseudoEquilibrium(profile, profile.plates.front().vapourStrength / 100, unit);
    diagram.stages.reserve(profile.plates.size());
    std::optional<double> below;  // the vapour of the stage under this one
    for (const PlateRow& row : profile.plates) {
        const double vapour = Drawn(row.vapourStrength, unit);
        diagram.stages.push_back({row.plate, Drawn(row.liquidStrength, unit), below, vapour});
        below = vapour;
    }
    return diagram;
}

const std::vector<XYPoint>& EquilibriumCurve(StrengthUnit unit) {
    static const std::vector<XYPoint> byMass = SampleCurve(StrengthUnit::Weight);
    static const std::vector<XYPoint> byMole = SampleCurve(StrengthUnit::Mole);
    return DiagramUnit(unit) == StrengthUnit::Mole ? byMole : byMass;
}

std::vector<XYPoint> Diagonal() {
    return {{0, 0}, {1, 1}};
}

std::span<const std::pair<double, double>> PublishedEquilibrium() {
    return vle::kMassFractions;
}

std::vector<XYPoint> PublishedPoints(StrengthUnit unit) {
    std::vector<XYPoint> points;
    for (const auto& [x, y] : PublishedEquilibrium()) {
        if (DiagramUnit(unit) == StrengthUnit::Weight)
            points.push_back({x, y});
        else
            points.push_back({Drawn(x * 100.0L, unit), Drawn(y * 100.0L, unit)});
    }
    return points;
}

}  // namespace colmara
