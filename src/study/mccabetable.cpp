#include "study/mccabetable.h"

namespace colmara {

namespace {

Cell Number(const char* key, std::optional<long double> value) {
    return Cell{key, NumberText(value), true};
}

std::optional<long double> Fraction(std::optional<long double> percent) {
    if (!percent) return std::nullopt;
    return *percent / 100;
}

Record StageRecord(const PlateRow& row, const PlateRow* below, StrengthUnit unit) {
    const bool byVolume = unit == StrengthUnit::Volume;
    const std::optional<long double> in =
        below != nullptr ? std::optional(below->vapourStrength) : std::nullopt;
    return {
        Number("plate", row.plate),
        Number("liquid_x", Fraction(row.liquidStrength)),
        Number("vapour_in_y", Fraction(in)),
        Number("vapour_y", Fraction(row.vapourStrength)),
        Number(byVolume ? "liquid_strength_vol" : "liquid_strength", row.LiquidStrength(unit)),
        Number(byVolume ? "vapour_in_strength_vol" : "vapour_in_strength", StrengthIn(unit, in)),
        Number(byVolume ? "vapour_strength_vol" : "vapour_strength", row.VapourStrength(unit))};
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
