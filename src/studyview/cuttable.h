// The batch tab's cut table as a distiller reads it: headers in words with
// their units, the strength in the window's unit before the other one, and
// times in minutes and as h:mm. The columns a distiller needs come first,
// so a narrow table shows them; the CSV export keeps the tool's own columns.
#pragma once

#include <string>
#include <vector>

#include "batch/batchresult.h"
#include "runtime/numconv.h"
#include "study/strengthunit.h"

namespace colmara {

// A time in minutes as hours and whole minutes: 95.3 gives "1:35".
std::string HoursMinutes(long double minutes);

// Cut, start, end, volume, strength in `unit`, ethanol, mass, strength in
// the other unit; a header's second line holds its unit.
std::vector<std::string> CutTableHeaders(StrengthUnit unit);

// The cells of one cut under those headers, numbers with the window's
// decimal symbol; an empty cut has no strengths.
std::vector<std::string> CutTableCells(const CutResult& cut, StrengthUnit unit,
                                       const FormatSettings& settings);

// How many of the first columns a distiller needs in view: name, times,
// volume, strength and ethanol.
inline constexpr int kCutTableMainColumns = 6;

}  // namespace colmara
