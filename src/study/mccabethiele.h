// The McCabe-Thiele picture of one solved case, in mass fractions, or in
// mole fractions when strengths are shown by mole: the model's equilibrium
// curve, the diagonal, the operating points, the plate staircase and, for
// plates below an efficiency of 1, the pseudo-equilibrium curve where the
// steps end. Every point comes from the correlation, the solved tables as
// they are or the column's own balance, converted point by point; nothing
// is solved again.
#pragma once

#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "study/plateprofile.h"
#include "study/strengthunit.h"

namespace colmara {

// The unit of the diagram's fractions when strengths are shown in `unit`:
// Mole by mole, Weight otherwise (a volume fraction is no fraction of
// either stream's amount, so the diagram by volume stays in mass fractions).
StrengthUnit DiagramUnit(StrengthUnit unit);

// The fraction, in the diagram's unit for `unit`, of a strength the model
// computed in % by weight. By mole the closed form holds slightly outside
// 0..100 % as well, where a plate's liquid balance can land, so every point
// the tables hold is drawn.
long double DiagramFraction(long double percentByWeight, StrengthUnit unit);

// A point of the diagram: x the liquid's, y the vapour's fraction.
struct XYPoint {
    double x = 0;
    double y = 0;
    friend bool operator==(const XYPoint&, const XYPoint&) = default;
};

// One stage of the column, the boiler (plate 0) first.
struct McCabeStage {
    int plate = 0;
    double liquid = 0;               // x of the liquid on the plate, leaving it downwards
    std::optional<double> vapourIn;  // y of the vapour rising into it; none for the boiler
    double vapour = 0;               // y of the vapour leaving it, vs(liquid)
};

struct McCabeDiagram {
    std::vector<McCabeStage> stages;  // boiler first, then plates 1 .. top
    double product = 0;               // the product's fraction (the guessed top strength)
    // Plates below an efficiency of 1: for vapours y rising into a plate,
    // from the boiler's to the product's, the liquid x the column's balance
    // gives that plate, against the vapour it gives off, y + E (vs(x) - y).
    // The steps end on it. Empty for ideal plates, whose steps end on the
    // equilibrium curve; x ascends.
    std::vector<XYPoint> pseudoEquilibrium;

    // Plate i's operating point: the liquid leaving it against the vapour
    // rising into it, (x_i, y_(i-1)). Both streams pass between plate i - 1
    // and plate i, so the points lie on the column's operating line.
    std::vector<XYPoint> OperatingPoints() const;
    // From the boiler's point on the equilibrium curve, a horizontal step
    // to each plate's operating point and a vertical one up to the curve,
    // (x0, y0), (x1, y0), (x1, y1), ..., (xN, yN); then the condenser's
    // step across to the product, (xD, yN).
    std::vector<XYPoint> Staircase() const;
    // The product on the diagonal, (xD, xD).
    XYPoint ProductPoint() const { return {product, product}; }
};

// The diagram of a solved case in the fractions of DiagramUnit(unit);
// nullopt for a failed one.
std::optional<McCabeDiagram> McCabeDiagramOf(const CaseProfile& profile,
                                             StrengthUnit unit = StrengthUnit::Weight);

// y = vapourstrength(x) from x = 0 to the azeotrope, where the correlation
// ends (beyond it the model holds the vapour at the azeotrope), on an even
// grid with the points where the fits hand over added, so the small steps
// of the blends show where they are. x ascends. In the fractions of
// DiagramUnit(unit), each point of the mass-fraction curve converted.
const std::vector<XYPoint>& EquilibriumCurve(StrengthUnit unit = StrengthUnit::Weight);

// y = x across the whole diagram.
std::vector<XYPoint> Diagonal();

// The published equilibrium points at 1 atm, from
// data/ethanol-water-vle-1atm.csv, in the file's order (mass fractions).
std::span<const std::pair<double, double>> PublishedEquilibrium();

// The same points in the fractions of DiagramUnit(unit).
std::vector<XYPoint> PublishedPoints(StrengthUnit unit);

}  // namespace colmara
