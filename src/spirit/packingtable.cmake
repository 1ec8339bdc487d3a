# Turns the packings of data/packing-hetp.csv into a header of constexpr
# entries (key, name, HETP in metres), so that the figures live only in the
# data file. Run in script mode:
#   cmake -DINPUT=<csv> -DOUTPUT=<header> -P packingtable.cmake
# The header line must be "key,packing,hetp_m"; a key is lower case letters,
# digits and '-', a name holds no comma or quote, and the HETP is a number.
# Anything else fails the build rather than offer a packing half read.

include(${CMAKE_CURRENT_LIST_DIR}/../study/datafile.cmake)
colmara_read_data_file("${INPUT}" lines source_comment source_name)

set(header_seen FALSE)
set(entries "")
set(count 0)
foreach(line IN LISTS lines)
  if(NOT header_seen)
    if(NOT line STREQUAL "key,packing,hetp_m")
      message(FATAL_ERROR "${source_name}: expected the header 'key,packing,hetp_m', got '${line}'")
    endif()
    set(header_seen TRUE)
    continue()
  endif()
  if(NOT line MATCHES "^([a-z0-9-]+),([^,\"\\\\]+),(${COLMARA_DATA_NUMBER})$")
    message(FATAL_ERROR "${source_name}: cannot read the row '${line}'")
  endif()
  string(APPEND entries "    {\"${CMAKE_MATCH_1}\", \"${CMAKE_MATCH_2}\", ${CMAKE_MATCH_3}L},\n")
  math(EXPR count "${count} + 1")
endforeach()
if(count EQUAL 0)
  message(FATAL_ERROR "${source_name}: no packings")
endif()

string(CONFIGURE [=[
// Generated at build time from data/@source_name@ by
// src/spirit/packingtable.cmake; change the data file, not this header.
//
@source_comment@
#pragma once

#include <array>

#include "spirit/packings.h"

namespace colmara::packing {

inline constexpr std::array<Packing, @count@> kPackings = {{
@entries@}};

}  // namespace colmara::packing
]=] header @ONLY)
file(WRITE "${OUTPUT}" "${header}")
