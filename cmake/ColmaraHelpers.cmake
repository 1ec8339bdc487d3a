# Shared build settings and helpers for every target of the project.

# Model numbers must be computed exactly as written: no contraction into
# fused multiply-adds, no reassociation. Every target gets these, product and
# test alike, so a test computes a model number the way the program does.
# Faults are found by testing the unit's sticky flags, so the optimiser must
# not raise a flag the source does not: GCC keeps to that by default
# (-ftrapping-math); clang by default may compute both arms of a branch and
# select one, and a product with an operand the branch never uses raises
# overflow or invalid that the program then reports.
function(colmara_fp_exactness target)
  target_compile_options(${target} PRIVATE -ffp-contract=off -fno-fast-math
    $<$<CXX_COMPILER_ID:Clang>:-ffp-exception-behavior=maytrap>)
endfunction()

# Diagnostics. They turn into errors only when COLMARA_WERROR is on (CI): a
# compiler that warns differently must not break a user's build.
function(colmara_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(COLMARA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# The settings every target of the project carries.
function(colmara_target_settings target)
  colmara_warnings(${target})
  colmara_fp_exactness(${target})
endfunction()

# colmara_library(name SOURCES ... [DEPS ...] [PRIVATE_DEPS ...]) - one static
# library per layer. DEPS are what its headers include, and so pass on to
# whatever uses it; PRIVATE_DEPS only its sources use (they are still linked
# into the programs, but their headers and compile settings stay inside).
function(colmara_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;PRIVATE_DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
  colmara_target_settings(${name})
endfunction()

# colmara_program(name SOURCES ... LIBS ...) - an executable of the project
# (the window program, the companion tool, a helper next to the tests).
function(colmara_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  colmara_target_settings(${name})
endfunction()

# colmara_data_table(target script data header what) - a header of constants
# that <script> (one of this folder, run in script mode with the helpers of
# ColmaraDataFile.cmake) generates at build time from data/<data>, so that
# their numbers are written down in one place only. It is
# generated/<folder>/<header> in the build folder, private to <target>;
# <what> names it in the build log.
function(colmara_data_table target script data header what)
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(data ${PROJECT_SOURCE_DIR}/data/${data})
  set(script ${CMAKE_CURRENT_SOURCE_DIR}/${script})
  set(header ${CMAKE_CURRENT_BINARY_DIR}/generated/${folder}/${header})
  add_custom_command(
    OUTPUT ${header}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${data} -DOUTPUT=${header} -P ${script}
    DEPENDS ${data} ${script} ${PROJECT_SOURCE_DIR}/cmake/ColmaraDataFile.cmake
    COMMENT "Generating the ${what} from ${data}"
    VERBATIM)
  target_sources(${target} PRIVATE ${header})
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated)
endfunction()

# colmara_add_test(name SOURCES ... LIBS ... [QT] [EXCLUDE pattern]) - one
# GoogleTest program, registered with CTest test by test, except the tests
# matching EXCLUDE (a --gtest_filter pattern) that a test of their own runs.
# QT tests run on the offscreen platform. The mains and shared helpers come
# from tests/support.
function(colmara_add_test name)
  cmake_parse_arguments(ARG "QT" "EXCLUDE" "SOURCES;LIBS" ${ARGN})
  set(filter)
  if(ARG_EXCLUDE)
    set(filter TEST_FILTER "-${ARG_EXCLUDE}")
  endif()
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} colmara_qt_test_main)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} colmara_test_main)
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  colmara_target_settings(${name})
  include(GoogleTest)
  if(ARG_QT)
    # Listed when CTest runs, where the offscreen platform is set, so the
    # build itself needs no display.
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 DISCOVERY_MODE PRE_TEST ${filter}
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 ${filter})
  endif()
endfunction()

# colmara_add_bench(name SOURCES ... LIBS ...) - one Google Benchmark program.
function(colmara_add_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  find_package(benchmark REQUIRED)
  colmara_program(${name} SOURCES ${ARG_SOURCES}
    LIBS ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()
