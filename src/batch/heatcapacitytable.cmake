# Turns the heat capacities of data/ethanol-water-heat-capacity.csv into a
# header of constexpr tables, so that the numbers live only in the data file.
# Run in script mode:
#   cmake -DINPUT=<csv> -DOUTPUT=<header> -P heatcapacitytable.cmake
# The strength is the column mass_percent; every column named
# cp_<T>C_J_per_gK holds the heat capacity at T degC, and the columns are
# taken in the order of the header (rising temperatures). Rows must rise in
# strength; anything else fails the build rather than yield a wrong table.

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/ColmaraDataFile.cmake)
colmara_read_data_table("${INPUT}")

list(FIND data_columns "mass_percent" strength_index)
set(cp_indexes "")
set(temperatures "")
set(index 0)
foreach(column IN LISTS data_columns)
  if(column MATCHES "^cp_([0-9]+)C_J_per_gK$")
    list(APPEND cp_indexes ${index})
    list(APPEND temperatures "${CMAKE_MATCH_1}.0L")
  endif()
  math(EXPR index "${index} + 1")
endforeach()
list(LENGTH cp_indexes width)
if(strength_index LESS 0 OR width EQUAL 0)
  colmara_refuse_header("mass_percent and cp_<T>C_J_per_gK")
endif()
colmara_require_rows(2 "fewer than two rows of heat capacities")

set(rows "")
set(last_strength -1)
foreach(row IN LISTS data_rows)
  colmara_number_cells("${row}" cells)
  list(GET cells ${strength_index} strength)
  if(strength LESS_EQUAL last_strength)
    message(FATAL_ERROR "${data_name}: '${row}' does not rise in mass_percent")
  endif()
  set(last_strength ${strength})
  set(values "")
  foreach(index IN LISTS cp_indexes)
    list(GET cells ${index} value)
    list(APPEND values "${value}L")
  endforeach()
  list(JOIN values ", " values)
  string(APPEND rows "    {${strength}L, {${values}}},\n")
endforeach()
list(JOIN temperatures ", " temperature_list)

colmara_write_table_header([=[
#include <array>

namespace colmara::heatcapacity {

// The temperatures, degC, of the table's columns, rising.
inline constexpr std::array<long double, @width@> kTemperatures = {@temperature_list@};

struct Row {
    long double massPercent;
    std::array<long double, @width@> joulesPerGramKelvin;  // at kTemperatures
};

// Rows rising in strength, % by weight.
inline constexpr std::array<Row, @count@> kRows = {{
@rows@}};

}  // namespace colmara::heatcapacity
]=])
