#include "study/mccabetable.h"

#include "study/mccabethiele.h"

namespace colmara {

namespace {

Cell Number(const char* key, std::optional<long double> value) {
    return Cell{key, NumberText(value), true};
}

std::optional<long double> Fraction(std::optional<long double> percent, StrengthUnit unit) {
    if (!percent) return std::nullopt;
    return DiagramFraction(*percent, unit);
}

Record StageRecord(const PlateRow& row, const PlateRow* below, StrengthUnit unit) {
    const std::optional<long double> in =
        below != nullptr ? std::optional(below->vapourStrength) : std::nullopt;
    const StrengthUnit fractions = DiagramUnit(unit);
    return {Number("plate", row.plate),
            Number(StrengthKey("liquid_x", fractions), Fraction(row.liquidStrength, unit)),
            Number(StrengthKey("vapour_in_y", fractions), Fraction(in, unit)),
            Number(StrengthKey("vapour_y", fractions), Fraction(row.vapourStrength, unit)),
            Number(StrengthKey("liquid_strength", unit), row.LiquidStrength(unit)),
            Number(StrengthKey("vapour_in_strength", unit), StrengthIn(unit, in)),
            Number(StrengthKey("vapour_strength", unit), row.VapourStrength(unit))};
}

}  // namespace

std::vector<Record> McCabeRecords(const CaseProfile& profile, StrengthUnit unit) {
    std::vector<Record> records;
    if (!profile.result.Solved()) return records;
    records.reserve(profile.plates.size());
    const PlateRow* below = nullptr;
    for (const PlateRow& row : profile.plates) {
        records.push_back(StageRecord(row, below, unit));
        below = &row;
    }
    return records;
}

}  // namespace colmara
