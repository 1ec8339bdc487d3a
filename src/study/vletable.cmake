# Turns the published equilibrium points of data/ethanol-water-vle-1atm.csv
# into a header of constexpr pairs (liquid, vapour mass fraction), so that
# the numbers live only in the data file. Run in script mode:
#   cmake -DINPUT=<csv> -DOUTPUT=<header> -P vletable.cmake
# The header line names the columns; x_mass and y_mass are taken by name,
# so a reordered file still reads right. A row that is not all numbers fails
# the build rather than drop a point.

include(${CMAKE_CURRENT_LIST_DIR}/datafile.cmake)
colmara_read_data_file("${INPUT}" lines source_comment source_name)

set(columns "")
set(points "")
set(count 0)

foreach(line IN LISTS lines)
  string(REPLACE "," ";" cells "${line}")
  if(columns STREQUAL "")
    set(columns "${cells}")
    list(FIND columns "x_mass" x_index)
    list(FIND columns "y_mass" y_index)
    if(x_index LESS 0 OR y_index LESS 0)
      message(FATAL_ERROR "${source_name}: the header '${line}' has no x_mass and y_mass columns")
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
  list(GET cells ${x_index} x)
  list(GET cells ${y_index} y)
  string(APPEND points "    {${x}, ${y}},\n")
  math(EXPR count "${count} + 1")
endforeach()

if(count EQUAL 0)
  message(FATAL_ERROR "${source_name}: no equilibrium points")
endif()

string(CONFIGURE [=[
// Generated at build time from data/@source_name@ by
// src/study/vletable.cmake; change the data file, not this header.
//
@source_comment@
#pragma once

#include <array>
#include <utility>

namespace colmara::vle {

// (x, y): ethanol mass fraction of the liquid and of the vapour in
// equilibrium with it, in the file's order.
inline constexpr std::array<std::pair<double, double>, @count@> kMassFractions = {{
@points@}};

}  // namespace colmara::vle
]=] header @ONLY)
file(WRITE "${OUTPUT}" "${header}")
