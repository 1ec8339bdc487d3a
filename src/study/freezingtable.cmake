# Turns the freezing points of data/ethanol-water-freezing-point.csv into a
# header of constexpr rows, so that the numbers live only in the data file.
# Run in script mode:
#   cmake -DINPUT=<csv> -DOUTPUT=<header> -P freezingtable.cmake
# A row gives its strength by weight, or only by volume (left for the program
# to convert with the density formula); the freezing point is in degC and
# the source a word. The program checks that the strengths rise.

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/ColmaraDataFile.cmake)
colmara_read_data_table("${INPUT}" "percent_by_weight,percent_by_volume,freezing_c,source")
colmara_require_rows(2 "fewer than two freezing points")

set(rows "")
foreach(row IN LISTS data_rows)
  # Every group matches (empty or not), so the matches keep their numbers.
  set(number "(${COLMARA_DATA_NUMBER})?")
  if(NOT row MATCHES "^([^,]*),([^,]*),([^,]*),[a-z]+$")
    message(FATAL_ERROR "${data_name}: cannot read the row '${row}'")
  endif()
  set(weight "${CMAKE_MATCH_1}")
  set(volume "${CMAKE_MATCH_2}")
  set(celsius "${CMAKE_MATCH_3}")
  foreach(cell IN ITEMS "${weight}" "${volume}" "${celsius}")
    if(NOT cell MATCHES "^${number}$")
      message(FATAL_ERROR "${data_name}: cannot read the row '${row}'")
    endif()
  endforeach()
  if(celsius STREQUAL "")
    message(FATAL_ERROR "${data_name}: '${row}' gives no freezing point")
  elseif(NOT weight STREQUAL "")
    string(APPEND rows "    {true, ${weight}L, ${celsius}L},\n")
  elseif(NOT volume STREQUAL "")
    string(APPEND rows "    {false, ${volume}L, ${celsius}L},\n")
  else()
    message(FATAL_ERROR "${data_name}: '${row}' gives no strength")
  endif()
endforeach()

colmara_write_table_header([=[
#include <array>

namespace colmara::freezing {

struct Row {
    bool byWeight;       // the strength is % by weight, else % by volume at 20 degC
    long double percent;
    long double celsius;  // where ice (or, at 100 %, solid ethanol) first forms
};

inline constexpr std::array<Row, @count@> kRows = {{
@rows@}};

}  // namespace colmara::freezing
]=])
