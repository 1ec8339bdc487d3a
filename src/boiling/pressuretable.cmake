# Turns the published constants of data/ethanol-water-pressure.csv into a
# header of constexpr values, so that the numbers live only in the data file.
# Run in script mode:
#   cmake -DINPUT=<csv> -DOUTPUT=<header> -P pressuretable.cmake
# Rows are "kind,component,constant,value". Every constant below must be
# there exactly once; a missing, repeated or unreadable one fails the build
# rather than leave a formula with a term missing.

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/ColmaraDataFile.cmake)
colmara_read_data_table("${INPUT}" "kind,component,constant,value")

# kind,component,constant -> the name of the constant in the header.
set(wanted
  "antoine,ethanol,A=kEthanolAntoineA"
  "antoine,ethanol,B=kEthanolAntoineB"
  "antoine,ethanol,C=kEthanolAntoineC"
  "antoine,water,A=kWaterAntoineA"
  "antoine,water,B=kWaterAntoineB"
  "antoine,water,C=kWaterAntoineC"
  "vanlaar,ethanol-water,A12=kVanLaarA12"
  "vanlaar,ethanol-water,A21=kVanLaarA21"
  "atmosphere,air,p0_hpa=kSeaLevelHpa"
  "atmosphere,air,lapse_per_m=kAtmosphereLapsePerM"
  "atmosphere,air,exponent=kAtmosphereExponent"
  "molar_mass,ethanol,g_per_mol=kEthanolMolarMass"
  "molar_mass,water,g_per_mol=kWaterMolarMass"
)

set(constants "")
foreach(entry IN LISTS wanted)
  string(REGEX MATCH "^([^=]+)=(.+)$" _ "${entry}")
  set(key "${CMAKE_MATCH_1}")
  set(name "${CMAKE_MATCH_2}")
  set(found "")
  foreach(row IN LISTS data_rows)
    if(NOT row MATCHES "^([a-z_]+),([a-z-]+),([A-Za-z0-9_]+),(${COLMARA_DATA_NUMBER})$")
      message(FATAL_ERROR "${data_name}: cannot read the row '${row}'")
    endif()
    if("${CMAKE_MATCH_1},${CMAKE_MATCH_2},${CMAKE_MATCH_3}" STREQUAL "${key}")
      if(NOT found STREQUAL "")
        message(FATAL_ERROR "${data_name}: ${key} is given twice")
      endif()
      set(found "${CMAKE_MATCH_4}")
    endif()
  endforeach()
  if(found STREQUAL "")
    message(FATAL_ERROR "${data_name}: ${key} is missing")
  endif()
  string(APPEND constants "inline constexpr long double ${name} = ${found}L;\n")
endforeach()

colmara_write_table_header([=[
namespace colmara::pressure {

@constants@
}  // namespace colmara::pressure
]=])
