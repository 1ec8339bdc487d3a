# Shared build settings and helpers for every target of the project.

# Model numbers must be computed exactly as written: no contraction into
# fused multiply-adds, no reassociation.
set(COLMARA_FP_FLAGS -ffp-contract=off -fno-fast-math)

# colmara_library(name SOURCES ... [DEPS ...]) - one static library per layer.
function(colmara_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  colmara_warnings(${name})
endfunction()

function(colmara_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror ${COLMARA_FP_FLAGS})
endfunction()

# colmara_add_test(name SOURCES ... LIBS ... [QT]) - one GoogleTest program,
# registered with CTest test by test. QT tests run on the offscreen platform.
function(colmara_add_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
  find_package(GTest REQUIRED)
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  if(ARG_QT)
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/common/qt_test_main.cpp)
    target_link_libraries(${name} PRIVATE Qt6::Widgets Qt6::Test)
  else()
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/common/test_main.cpp)
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  colmara_warnings(${name})
  include(GoogleTest)
  if(ARG_QT)
    # Listed when CTest runs, where the offscreen platform is set, so the
    # build itself needs no display.
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 DISCOVERY_MODE PRE_TEST
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# colmara_add_bench(name SOURCES ... LIBS ...) - one Google Benchmark program.
function(colmara_add_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  find_package(benchmark REQUIRED)
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src)
  colmara_warnings(${name})
endfunction()
