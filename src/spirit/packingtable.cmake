# Turns the packings of data/packing-hetp.csv into a header of constexpr
# entries (key, name, HETP in metres), so that the figures live only in the
# data file. Run in script mode:
#   cmake -DINPUT=<csv> -DOUTPUT=<header> -P packingtable.cmake
# The header line must be "key,packing,hetp_m"; a key is lower case letters,
# digits and '-', a name holds no comma or quote, and the HETP is a number.
# Anything else fails the build rather than offer a packing half read.

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/ColmaraDataFile.cmake)
colmara_read_data_table("${INPUT}" "key,packing,hetp_m")

colmara_require_rows(1 "no packings")
set(entries "")
foreach(row IN LISTS data_rows)
  if(NOT row MATCHES "^([a-z0-9-]+),([^,\"\\\\]+),(${COLMARA_DATA_NUMBER})$")
    message(FATAL_ERROR "${data_name}: cannot read the row '${row}'")
  endif()
  string(APPEND entries "    {\"${CMAKE_MATCH_1}\", \"${CMAKE_MATCH_2}\", ${CMAKE_MATCH_3}L},\n")
endforeach()

colmara_write_table_header([=[
#include <array>

#include "spirit/packings.h"

namespace colmara::packing {

inline constexpr std::array<Packing, @count@> kPackings = {{
@entries@}};

}  // namespace colmara::packing
]=])
