#include "studyview/cuttable.h"

#include <cmath>

#include "studyview/studychart.h"

namespace colmara {

namespace {

StrengthUnit Other(StrengthUnit unit) {
    return unit == StrengthUnit::Volume ? StrengthUnit::Weight : StrengthUnit::Volume;
}

std::string Time(long double minutes, const FormatSettings& settings) {
    return FormatExtended("0.0", minutes, settings) + " (" + HoursMinutes(minutes) + ")";
}

std::string Strength(const CutResult& cut, StrengthUnit unit, const FormatSettings& settings) {
    const auto strength = StrengthIn(unit, cut.product.Strength());
    return strength ? FormatExtended("0.00", *strength, settings) : std::string();
}

}  // namespace

std::string HoursMinutes(long double minutes) {
    const long long whole = std::llround(minutes);
    const long long mm = whole % 60;
    return std::to_string(whole / 60) + (mm < 10 ? ":0" : ":") + std::to_string(mm);
}

std::vector<std::string> CutTableHeaders(StrengthUnit unit) {
    return {"Cut",
            "Start\nmin (h:mm)",
            "End\nmin (h:mm)",
            "Volume\nml",
            "Strength\n" + StrengthAxisUnit(unit),
            "Ethanol\ng",
            "Mass\ng",
            "Strength\n" + StrengthAxisUnit(Other(unit))};
}

std::vector<std::string> CutTableCells(const CutResult& cut, StrengthUnit unit,
                                       const FormatSettings& settings) {
    const auto amount = [&settings](long double value) {
        return FormatExtended("0.0", value, settings);
    };
    return {cut.name,
            Time(cut.startMinute, settings),
            Time(cut.endMinute, settings),
            amount(cut.product.Volume()),
            Strength(cut, unit, settings),
            amount(cut.product.ethanol),
            amount(cut.product.mass),
            Strength(cut, Other(unit), settings)};
}

}  // namespace colmara
