# Reading a data file of the project in the table scripts (script mode):
# blank lines are skipped, lines starting with '#' are its source notes,
# every other line is a row (the header first).

# A number as the data files write it.
set(COLMARA_DATA_NUMBER "[-+]?[0-9]+(\\.[0-9]*)?([eE][-+]?[0-9]+)?")

# colmara_read_data_file(<file> <rows> <notes> <name>): sets <rows> to the
# file's rows (stripped, as a list), <notes> to its '#' lines as C++ line
# comments (one per line) and <name> to the file's name, for messages.
function(colmara_read_data_file file rows_var notes_var name_var)
  if(NOT file OR NOT OUTPUT)
    message(FATAL_ERROR "${CMAKE_SCRIPT_MODE_FILE} needs -DINPUT=<csv> -DOUTPUT=<header>")
  endif()
  file(STRINGS "${file}" lines)
  set(rows "")
  set(notes "")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line STREQUAL "")
      continue()
    elseif(line MATCHES "^#(.*)$")
      string(APPEND notes "//${CMAKE_MATCH_1}\n")
    else()
      list(APPEND rows "${line}")
    endif()
  endforeach()
  get_filename_component(name "${file}" NAME)
  set(${rows_var} "${rows}" PARENT_SCOPE)
  set(${notes_var} "${notes}" PARENT_SCOPE)
  set(${name_var} "${name}" PARENT_SCOPE)
endfunction()
