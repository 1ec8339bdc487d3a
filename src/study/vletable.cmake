# Turns the published equilibrium points of data/ethanol-water-vle-1atm.csv
# into a header of constexpr pairs (liquid, vapour mass fraction), so that
# the numbers live only in the data file. Run in script mode:
#   cmake -DINPUT=<csv> -DOUTPUT=<header> -P vletable.cmake
# The header line names the columns; x_mass and y_mass are taken by name,
# so a reordered file still reads right. A row that is not all numbers fails
# the build rather than drop a point.

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/ColmaraDataFile.cmake)
colmara_read_data_table("${INPUT}")

list(FIND data_columns "x_mass" x_index)
list(FIND data_columns "y_mass" y_index)
if(x_index LESS 0 OR y_index LESS 0)
  colmara_refuse_header("x_mass and y_mass")
endif()
colmara_require_rows(1 "no equilibrium points")

set(points "")
foreach(row IN LISTS data_rows)
  colmara_number_cells("${row}" cells)
  list(GET cells ${x_index} x)
  list(GET cells ${y_index} y)
  string(APPEND points "    {${x}, ${y}},\n")
endforeach()

colmara_write_table_header([=[
#include <array>
#include <utility>

namespace colmara::vle {

// (x, y): ethanol mass fraction of the liquid and of the vapour in
// equilibrium with it, in the file's order.
inline constexpr std::array<std::pair<double, double>, @count@> kMassFractions = {{
@points@}};

}  // namespace colmara::vle
]=])
