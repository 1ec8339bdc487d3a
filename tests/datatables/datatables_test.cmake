# Runs each table script on small data files (script mode):
#   cmake -DPROJECT_DIR=<source> -DWORK_DIR=<scratch> -P datatables_test.cmake
# A file it must refuse fails the script with the message given; a file it
# must read gives a header with the common head and the rows as constants.

set(vle src/study/vletable.cmake)
set(density src/study/densitytable.cmake)
set(heat src/batch/heatcapacitytable.cmake)
set(packing src/spirit/packingtable.cmake)
set(freezing src/study/freezingtable.cmake)
set(pressure src/boiling/pressuretable.cmake)

# script | data file ('|' ends a line) | what the build must say
set(refusals
  "vle|x_mass,y_mass|0.1,0.2|0.3,abc|cannot read the row '0.3,abc'"
  "vle|x_mass,y_mass|0.1,0.2,0.3|'0.1,0.2,0.3' does not have 2 cells"
  "vle|x,y|0.1,0.2|the header 'x,y' has no x_mass and y_mass columns"
  "vle|# notes only|x_mass,y_mass|no equilibrium points"
  "heat|mass_percent,cp_20C_J_per_gK|10,4.1|fewer than two rows of heat capacities"
  "heat|mass_percent,cp_20C_J_per_gK|10,4.1|10,4.0|'10,4.0' does not rise in mass_percent"
  "heat|mass,cp_20C_J_per_gK|10,4.1|20,4.0|the header 'mass,cp_20C_J_per_gK' has no mass_percent"
  "packing|key,packing|a,b|expected the header 'key,packing,hetp_m', got 'key,packing'"
  "packing|key,packing,hetp_m|no packings"
  "packing|key,packing,hetp_m|Rings,rings,0.1|cannot read the row 'Rings,rings,0.1'"
  "density|coefficient,m,n,value|A,0,2,1.0|'A,0,2,1.0' is not A,0,1"
  "density|coefficient,m,n|A,0,1,1.0|expected the header 'coefficient,m,n,value'"
  "freezing|percent_by_weight,percent_by_volume,freezing_c,source|0,0,0,water|,,-1,x|',,-1,x' gives no strength"
  "freezing|percent_by_weight,percent_by_volume,freezing_c,source|0,0,0,water|5,6,cold,x|cannot read the row '5,6,cold,x'"
  "freezing|percent_by_weight,percent_by_volume,freezing_c,source|0,0,0,water|fewer than two freezing points"
  "pressure|kind,component,constant,value|antoine,ethanol,A,8.1|antoine,ethanol,B is missing"
  "pressure|kind,component,constant,value|antoine,ethanol,A,8.1|antoine,ethanol,A,8.2|antoine,ethanol,A is given twice"
  "pressure|kind,component,constant,value|antoine,ethanol,A,eight|cannot read the row 'antoine,ethanol,A,eight'"
)

file(MAKE_DIRECTORY "${WORK_DIR}")
set(failures 0)
set(index 0)
foreach(case IN LISTS refusals)
  string(REPLACE "|" ";" parts "${case}")
  list(POP_FRONT parts script)
  list(POP_BACK parts expected)
  list(JOIN parts "\n" text)
  math(EXPR index "${index} + 1")
  set(data "${WORK_DIR}/case${index}.csv")
  file(WRITE "${data}" "${text}\n")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DINPUT=${data} -DOUTPUT=${WORK_DIR}/case${index}.h
            -P ${PROJECT_DIR}/${${script}}
    RESULT_VARIABLE status ERROR_VARIABLE said OUTPUT_QUIET)
  string(REGEX REPLACE "[ \n]+" " " said "${said}")
  string(FIND "${said}" "case${index}.csv: ${expected}" found)
  if(status EQUAL 0 OR found LESS 0)
    message(SEND_ERROR "${script} took case ${index} ('${case}'): status ${status}, said: ${said}")
    math(EXPR failures "${failures} + 1")
  endif()
endforeach()

# One file read whole: its notes and rows reach the header.
set(data "${WORK_DIR}/packings.csv")
file(WRITE "${data}" "# Figures from a test.\n\nkey,packing,hetp_m\nrings-6mm,Rings 6 mm,0.05\n")
execute_process(
  COMMAND ${CMAKE_COMMAND} -DINPUT=${data} -DOUTPUT=${WORK_DIR}/packings.h
          -P ${PROJECT_DIR}/${packing}
  RESULT_VARIABLE status)
file(READ "${WORK_DIR}/packings.h" header)
set(head "// Generated at build time from data/packings.csv by\n// src/spirit/packingtable.cmake; change the data file, not this header.\n//\n// Figures from a test.\n\n#pragma once\n\n#include <array>\n")
string(FIND "${header}" "${head}" head_at)
string(FIND "${header}" "std::array<Packing, 1> kPackings = {{\n    {\"rings-6mm\", \"Rings 6 mm\", 0.05L},\n}};" rows_at)
if(NOT status EQUAL 0 OR NOT head_at EQUAL 0 OR rows_at LESS 0)
  message(SEND_ERROR "packings.csv did not give the expected header (status ${status}):\n${header}")
endif()
