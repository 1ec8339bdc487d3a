// Bit-for-bit comparison of two columns for tests: every model variable and
// every table entry, extended numbers by their ten significant bytes.
#pragma once

#include <cstring>
#include <string>

#include "model/column.h"

namespace colmara::testing {

inline bool SameExtended(long double a, long double b) {
    return std::memcmp(&a, &b, 10) == 0;
}

// Empty when the columns agree, else the name of the first field that differs.
inline std::string FirstDifference(const Column& a, const Column& b) {
#define COLMARA_SAME_INT(field) \
    if (a.field != b.field) return #field;
#define COLMARA_SAME_EXT(field) \
    if (!SameExtended(a.field, b.field)) return #field;
    COLMARA_SAME_INT(power)
    COLMARA_SAME_EXT(boilerstrength)
    COLMARA_SAME_INT(plates)
    COLMARA_SAME_EXT(refluxfactor)
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
    for (int i = 1; i <= kMaxPlates; ++i) {
        const std::string at = "[" + std::to_string(i) + "]";
        if (!SameExtended(a.refluxtable[i], b.refluxtable[i])) return "refluxtable" + at;
        if (!SameExtended(a.vapourtable[i], b.vapourtable[i])) return "vapourtable" + at;
        if (!SameExtended(a.liquidtable[i], b.liquidtable[i])) return "liquidtable" + at;
        if (!SameExtended(a.temperaturetable[i], b.temperaturetable[i]))
            return "temperaturetable" + at;
    }
    return "";
}

}  // namespace colmara::testing
