// The column object: the model variables and the four per-plate tables, the
// column solver and the top-down re-solve. Owned by the main window for the
// life of the program; a calculation overwrites everything except the table
// entries above `plates`.
#pragma once

#include <array>
#include <cstdint>

namespace colmara {

inline constexpr int kMaxPlates = 100;
// The lowest plate efficiency a column takes (1 %).
inline constexpr long double kLeastEfficiency = 0.01L;

// Per-plate table indexed 1..kMaxPlates (plate 1 sits just above the boiler);
// any other index throws std::out_of_range, so nothing is written outside.
class PlateTable {
  public:
    long double& operator[](int plate);
    long double operator[](int plate) const;

  private:
    std::array<long double, kMaxPlates> entries_{};
};

// The entries of the four tables for one plate.
struct PlateEntries {
    long double reflux = 0;
    long double vapour = 0;
    long double liquid = 0;
    long double temperature = 0;
};

class Column {
  public:
    // Inputs, stored by the calculate action before Solve.
    std::int32_t power = 0;
    long double boilerstrength = 0;
    std::int32_t plates = 0;
    long double refluxfactor = 0;
    // Murphree vapour efficiency of every plate, as a fraction: the vapour
    // leaving a plate moves this share of the way from the vapour entering
    // it towards the vapour in equilibrium with its liquid. 1 is the ideal
    // plate; the boiler is always an equilibrium stage.
    long double efficiency = 1;

    // Results and working values.
    long double boilervapour = 0;
    long double boileralcohol = 0;
    long double guessspan = 0;
    long double topstrength = 0;
    long double lastguess = 0;
    long double productamount = 0;
    long double productalcohol = 0;
    long double vapourup = 0;
    long double alcoholup = 0;
    long double liquiddown = 0;
    long double alcoholdown = 0;
    long double platestrength = 0;
    std::int32_t passcounter = 0;
    std::int32_t platecounter = 0;
    // The plates the last march worked out before it stopped (at a pinch or
    // the top plate).
    std::int32_t platesmarched = 0;
    // The most plates any bisection pass of the last Solve depended on (see
    // Solve), never more than `plates`.
    std::int32_t passplates = 0;

    PlateTable refluxtable;
    PlateTable vapourtable;
    PlateTable liquidtable;
    PlateTable temperaturetable;

    // Energy per hour, power x 3600 J/h, formed without 32-bit wrap-around.
    long double Energy() const;

    // Solves the column from the inputs. Throws Exception for a plate count
    // outside 0..kMaxPlates or an efficiency outside kLeastEfficiency..1
    // (before anything is solved) and EZeroDivide,
    // EOverflow or EInvalidOp at the statement whose arithmetic faults, with
    // everything stored before that statement kept. 0 plates is a pot still:
    // the top vapour is the boiler's and no table entry is written.
    //
    // A pass depends on the plates its march works out: up to a pinch, or
    // all of them. With ideal plates and a guess above the azeotrope it
    // depends on none, since no plate's vapour reaches such a guess and the
    // pass lowers it whatever the plates give. Where `passplates` ends below
    // `plates`, a column of more plates and otherwise the same inputs runs
    // the same passes: it solves to the same topstrength and productamount
    // bit for bit, or faults where this one has no plate or after the passes.
    void Solve();

    // Solve's bisection passes alone: the product's strength (`topstrength`)
    // and amount come out as Solve gives them, bit for bit, and `passplates`
    // too; the final pass, the re-solve and every table entry are left out,
    // and so are the faults only they could raise.
    void SolvePasses();

    // Recomputes the tables from the condenser down (run by Solve when the
    // top plate misses the product strength by more than 0.0005).
    void ResolveTopDown();

    // The four tables read and written a plate at a time.
    PlateEntries Plate(int plate) const;
    void SetPlate(int plate, const PlateEntries& entries);

  private:
    // Throws Exception for a plate count the tables cannot hold.
    void RequirePlateCount() const;
    // Throws Exception for an efficiency outside kLeastEfficiency..1.
    void RequireEfficiency() const;
    // The re-solve below an efficiency of 1, which searches each plate's
    // entering vapour rather than its liquid.
    void ResolveBelowIdeal();
};

}  // namespace colmara
