# Turns the density coefficients of data/ethanol-water-density-oiml.csv into a
# header of constexpr long double arrays, so that the numbers live only in the
# data file. Run in script mode:
#   cmake -DINPUT=<csv> -DOUTPUT=<header> -P densitytable.cmake
# Rows are "coefficient,m,n,value": A with m 0 and n = 1, 2, ...; B with
# m = 1, 2, ... and n 0; C with m = 1, 2, ... and, for each m, n = 1, 2, ...
# Each group must come in that order without gaps; anything else fails the
# build rather than yield a formula with a term missing.

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/ColmaraDataFile.cmake)
colmara_read_data_table("${INPUT}" "coefficient,m,n,value")

set(a_values "")
set(b_values "")
set(c_groups 0)

foreach(line IN LISTS data_rows)
  if(NOT line MATCHES "^([ABC]),([0-9]+),([0-9]+),(${COLMARA_DATA_NUMBER})$")
    message(FATAL_ERROR "${data_name}: cannot read the row '${line}'")
  endif()
  set(kind ${CMAKE_MATCH_1})
  set(m ${CMAKE_MATCH_2})
  set(n ${CMAKE_MATCH_3})
  set(value "${CMAKE_MATCH_4}L")

  if(kind STREQUAL "A")
    list(LENGTH a_values count)
    math(EXPR expected "${count} + 1")
    if(NOT m EQUAL 0 OR NOT n EQUAL expected)
      message(FATAL_ERROR "${data_name}: '${line}' is not A,0,${expected}")
    endif()
    list(APPEND a_values "${value}")
  elseif(kind STREQUAL "B")
    list(LENGTH b_values count)
    math(EXPR expected "${count} + 1")
    if(NOT n EQUAL 0 OR NOT m EQUAL expected)
      message(FATAL_ERROR "${data_name}: '${line}' is not B,${expected},0")
    endif()
    list(APPEND b_values "${value}")
  else()
    # A C row either continues the current group m or starts group m + 1.
    if(c_groups GREATER 0 AND m EQUAL c_groups)
      list(LENGTH c_${m} count)
    else()
      math(EXPR next_group "${c_groups} + 1")
      if(NOT m EQUAL next_group)
        message(FATAL_ERROR "${data_name}: '${line}' is not in group C,${c_groups} nor C,${next_group}")
      endif()
      set(c_groups ${m})
      set(c_${m} "")
      set(count 0)
    endif()
    math(EXPR expected "${count} + 1")
    if(NOT n EQUAL expected)
      message(FATAL_ERROR "${data_name}: '${line}' is not C,${m},${expected}")
    endif()
    list(APPEND c_${m} "${value}")
  endif()
endforeach()

list(LENGTH a_values a_count)
list(LENGTH b_values b_count)
if(a_count EQUAL 0 OR b_count EQUAL 0 OR c_groups EQUAL 0)
  message(FATAL_ERROR "${data_name}: every group of coefficients (A, B, C) must have a row")
endif()

# C is ragged (group m has n_m terms); it is written as a rectangle padded
# with zeros, and kCTerms says how many entries of each row are coefficients.
set(c_width 0)
set(c_terms "")
foreach(m RANGE 1 ${c_groups})
  list(LENGTH c_${m} count)
  list(APPEND c_terms ${count})
  if(count GREATER c_width)
    set(c_width ${count})
  endif()
endforeach()
set(c_rows "")
foreach(m RANGE 1 ${c_groups})
  set(row "${c_${m}}")
  list(LENGTH row count)
  while(count LESS c_width)
    list(APPEND row "0.0L")
    math(EXPR count "${count} + 1")
  endwhile()
  list(JOIN row ", " row)
  string(APPEND c_rows "    {${row}},\n")
endforeach()

list(JOIN a_values ",\n    " a_list)
list(JOIN b_values ",\n    " b_list)
list(JOIN c_terms ", " c_terms_list)

colmara_write_table_header([=[
#include <array>

namespace colmara::density {

// A_1 .. A_@a_count@: A_1 + sum A_k p^(k-1), the density at 20 degC in kg/m3.
inline constexpr std::array<long double, @a_count@> kA = {
    @a_list@,
};

// B_1 .. B_@b_count@: the terms in (t - 20)^k alone.
inline constexpr std::array<long double, @b_count@> kB = {
    @b_list@,
};

// C_{m,n}: the mixed terms p^n (t - 20)^m, m = 1 .. @c_groups@, n = 1 .. kCTerms[m - 1];
// entries beyond kCTerms[m - 1] are padding and never read.
inline constexpr std::array<int, @c_groups@> kCTerms = {@c_terms_list@};
inline constexpr long double kC[@c_groups@][@c_width@] = {
@c_rows@};

}  // namespace colmara::density
]=])
