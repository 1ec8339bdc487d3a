#include "study/plateprofile.h"

#include "model/column.h"
#include "model/properties.h"
#include "study/strengthtext.h"

namespace colmara {

std::vector<PlateRow> PlateProfile(const Column& column) {
    std::vector<PlateRow> rows;
    rows.reserve(static_cast<std::size_t>(column.plates) + 1);

    // The boiler as the report shows it: its liquid and the vapour in
    // equilibrium with it; the temperature follows the plates' rule, the
    // temperature of the vapour that liquid gives off.
    const long double boilerVapour = vapourstrength(column.boilerstrength);
    rows.push_back(PlateRow{0, temperature(boilerVapour), boilerVapour * 100,
                            column.boilerstrength * 100, std::nullopt});

    for (int plate = 1; plate <= column.plates; ++plate)
        rows.push_back(PlateRow{plate, column.temperaturetable[plate],
                                column.vapourtable[plate] * 100, column.liquidtable[plate] * 100,
                                column.refluxtable[plate]});
    return rows;
}

CaseProfile ProfileCase(const InputTexts& inputs, const FormatSettings& settings,
                        StrengthUnit unit) {
    Column column;
    CaseProfile profile;
    profile.result = SolveCase(column, FieldInputs(inputs, unit, settings), settings);
    if (profile.result.Solved()) {
        profile.plates = PlateProfile(column);
        profile.energy = column.Energy();
        profile.efficiency = column.efficiency;
    }
    return profile;
}

}  // namespace colmara
