# What the scripts that turn a data file of the project into a header of
# constants share (they run in script mode: cmake -DINPUT=<csv>
# -DOUTPUT=<header> -P <script>). In a data file blank lines are skipped,
# lines starting with '#' are its source notes, the first other line is the
# header naming the columns and every later one a row.

# A number as the data files write it.
set(COLMARA_DATA_NUMBER "[-+]?[0-9]+(\\.[0-9]*)?([eE][-+]?[0-9]+)?")

# The headers name the script that wrote them relative to the project.
get_filename_component(COLMARA_DATA_PROJECT_DIR "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)

# colmara_read_data_table(<file> [<header line>]): reads the data file and
# sets data_name (its file name, for messages), data_notes (its '#' lines as
# C++ line comments, one a line), data_columns (the header's cells, as a
# list) and data_rows (the rows, stripped, as a list). With <header line>
# the header must be exactly that text.
function(colmara_read_data_table file)
  if(NOT file OR NOT OUTPUT)
    message(FATAL_ERROR "${CMAKE_SCRIPT_MODE_FILE} needs -DINPUT=<csv> -DOUTPUT=<header>")
  endif()
  get_filename_component(name "${file}" NAME)
  file(STRINGS "${file}" lines)
  set(header "")
  set(rows "")
  set(notes "")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line STREQUAL "")
      continue()
    elseif(line MATCHES "^#(.*)$")
      string(APPEND notes "//${CMAKE_MATCH_1}\n")
    elseif(header STREQUAL "")
      set(header "${line}")
    else()
      list(APPEND rows "${line}")
    endif()
  endforeach()
  if(ARGC GREATER 1 AND NOT header STREQUAL "${ARGV1}")
    message(FATAL_ERROR "${name}: expected the header '${ARGV1}', got '${header}'")
  endif()
  string(REPLACE "," ";" columns "${header}")
  set(data_name "${name}" PARENT_SCOPE)
  set(data_notes "${notes}" PARENT_SCOPE)
  set(data_columns "${columns}" PARENT_SCOPE)
  set(data_rows "${rows}" PARENT_SCOPE)
endfunction()

# colmara_refuse_header(<what it lacks>): fails the build naming the header
# and the columns it should have had.
function(colmara_refuse_header lacking)
  list(JOIN data_columns "," header)
  message(FATAL_ERROR "${data_name}: the header '${header}' has no ${lacking} columns")
endfunction()

# colmara_require_rows(<least> <message>): sets count to the number of rows,
# and fails the build with <message> when there are fewer than <least>.
function(colmara_require_rows least message)
  list(LENGTH data_rows count)
  if(count LESS least)
    message(FATAL_ERROR "${data_name}: ${message}")
  endif()
  set(count ${count} PARENT_SCOPE)
endfunction()

# colmara_number_cells(<row> <cells>): sets <cells> to the row's cells as a
# list, and fails the build unless there is one per column and each is a
# number.
function(colmara_number_cells row cells_var)
  string(REPLACE "," ";" cells "${row}")
  list(LENGTH cells cell_count)
  list(LENGTH data_columns column_count)
  if(NOT cell_count EQUAL column_count)
    message(FATAL_ERROR "${data_name}: '${row}' does not have ${column_count} cells")
  endif()
  foreach(cell IN LISTS cells)
    if(NOT cell MATCHES "^${COLMARA_DATA_NUMBER}$")
      message(FATAL_ERROR "${data_name}: cannot read the row '${row}'")
    endif()
  endforeach()
  set(${cells_var} "${cells}" PARENT_SCOPE)
endfunction()

# colmara_write_table_header(<body>): writes OUTPUT: a note that the header
# was generated from the data file by the running script, the data file's
# notes, "#pragma once", then <body> with its @names@ replaced by the
# caller's variables.
function(colmara_write_table_header body)
  file(RELATIVE_PATH script "${COLMARA_DATA_PROJECT_DIR}" "${CMAKE_SCRIPT_MODE_FILE}")
  string(CONFIGURE "${body}" body @ONLY)
  file(WRITE "${OUTPUT}"
       "// Generated at build time from data/${data_name} by\n"
       "// ${script}; change the data file, not this header.\n"
       "//\n"
       "${data_notes}\n"
       "#pragma once\n"
       "\n"
       "${body}")
endfunction()
