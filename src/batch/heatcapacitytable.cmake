# Turns the heat capacities of data/ethanol-water-heat-capacity.csv into a
# header of constexpr tables, so that the numbers live only in the data file.
# Run in script mode:
#   cmake -DINPUT=<csv> -DOUTPUT=<header> -P heatcapacitytable.cmake
# The strength is the column mass_percent; every column named
# cp_<T>C_J_per_gK holds the heat capacity at T degC, and the columns are
# taken in the order of the header (rising temperatures). Rows must rise in
# strength; anything else fails the build rather than yield a wrong table.

include(${CMAKE_CURRENT_LIST_DIR}/../study/datafile.cmake)
colmara_read_data_file("${INPUT}" lines source_comment source_name)

set(columns "")
set(rows "")
set(count 0)
set(last_strength -1)

foreach(line IN LISTS lines)
  string(REPLACE "," ";" cells "${line}")
  if(columns STREQUAL "")
    set(columns "${cells}")
    list(FIND columns "mass_percent" strength_index)
    set(cp_indexes "")
    set(temperatures "")
    set(index 0)
    foreach(column IN LISTS columns)
      if(column MATCHES "^cp_([0-9]+)C_J_per_gK$")
        list(APPEND cp_indexes ${index})
        list(APPEND temperatures "${CMAKE_MATCH_1}.0L")
      endif()
      math(EXPR index "${index} + 1")
    endforeach()
    list(LENGTH cp_indexes width)
    if(strength_index LESS 0 OR width EQUAL 0)
      message(FATAL_ERROR "${source_name}: the header '${line}' has no mass_percent and cp_<T>C_J_per_gK columns")
    endif()
    list(LENGTH columns column_count)
    continue()
  endif()
  list(LENGTH cells cell_count)
  if(NOT cell_count EQUAL column_count)
    message(FATAL_ERROR "${source_name}: '${line}' does not have ${column_count} cells")
  endif()
  foreach(cell IN LISTS cells)
    if(NOT cell MATCHES "^${COLMARA_DATA_NUMBER}$")
      message(FATAL_ERROR "${source_name}: cannot read the row '${line}'")
    endif()
  endforeach()
  list(GET cells ${strength_index} strength)
  if(strength LESS_EQUAL last_strength)
    message(FATAL_ERROR "${source_name}: '${line}' does not rise in mass_percent")
  endif()
  set(last_strength ${strength})
  set(values "")
  foreach(index IN LISTS cp_indexes)
    list(GET cells ${index} value)
    list(APPEND values "${value}L")
  endforeach()
  list(JOIN values ", " values)
  string(APPEND rows "    {${strength}L, {${values}}},\n")
  math(EXPR count "${count} + 1")
endforeach()

if(count LESS 2)
  message(FATAL_ERROR "${source_name}: fewer than two rows of heat capacities")
endif()
list(JOIN temperatures ", " temperature_list)

string(CONFIGURE [=[
// Generated at build time from data/@source_name@ by
// src/batch/heatcapacitytable.cmake; change the data file, not this header.
//
@source_comment@
#pragma once

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
]=] header @ONLY)
file(WRITE "${OUTPUT}" "${header}")
