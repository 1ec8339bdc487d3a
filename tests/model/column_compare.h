// Bit-for-bit comparison of two columns for tests: every model variable and
// every table entry, extended numbers by their ten significant bytes.
#pragma once

#include <string>

#include "model/column.h"
#include "runtime/extended.h"

namespace colmara::test {

inline bool SamePlate(const PlateEntries& a, const PlateEntries& b) {
    return SameBits(a.reflux, b.reflux) && SameBits(a.vapour, b.vapour) &&
           SameBits(a.liquid, b.liquid) && SameBits(a.temperature, b.temperature);
}

// Empty when the columns agree, else the name of the first field that differs.
inline std::string FirstDifference(const Column& a, const Column& b) {
#define COLMARA_SAME_INT(field) \
    if (a.field != b.field) return #field;
#define COLMARA_SAME_EXT(field) \
    if (!SameBits(a.field, b.field)) return #field;
    COLMARA_SAME_INT(power)
    COLMARA_SAME_EXT(boilerstrength)
    COLMARA_SAME_INT(plates)
    COLMARA_SAME_EXT(refluxfactor)
    COLMARA_SAME_EXT(efficiency)
    COLMARA_SAME_EXT(boilervapour)
    COLMARA_SAME_EXT(boileralcohol)
    COLMARA_SAME_EXT(guessspan)
    COLMARA_SAME_EXT(topstrength)
    COLMARA_SAME_EXT(lastguess)
    COLMARA_SAME_EXT(productamount)
    COLMARA_SAME_EXT(productalcohol)
    COLMARA_SAME_EXT(vapourup)
    COLMARA_SAME_EXT(alcoholup)
    COLMARA_SAME_EXT(liquiddown)
    COLMARA_SAME_EXT(alcoholdown)
    COLMARA_SAME_EXT(platestrength)
    COLMARA_SAME_INT(passcounter)
    COLMARA_SAME_INT(platecounter)
#undef COLMARA_SAME_INT
#undef COLMARA_SAME_EXT
    const struct {
        PlateTable Column::*table;
        const char* name;
    } tables[] = {{&Column::refluxtable, "refluxtable"},
                  {&Column::vapourtable, "vapourtable"},
                  {&Column::liquidtable, "liquidtable"},
                  {&Column::temperaturetable, "temperaturetable"}};
    for (int i = 1; i <= kMaxPlates; ++i) {
        for (const auto& t : tables) {
            if (!SameBits((a.*t.table)[i], (b.*t.table)[i]))
                return std::string(t.name) + "[" + std::to_string(i) + "]";
        }
    }
    return "";
}

}  // namespace colmara::test
