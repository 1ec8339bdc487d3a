# With COLMARA_BUILD_FUZZ every library of the project is built with
# libFuzzer's coverage instrumentation and the sanitizers, so coverage guides
# the fuzz targets (tests/fuzz) through all the code they reach and the
# sanitizers watch it. Set before any target is defined.
if(NOT COLMARA_BUILD_FUZZ)
  return()
endif()
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "COLMARA_BUILD_FUZZ needs clang and its libFuzzer runtime "
                      "(CXX=clang++-14)")
endif()

set(COLMARA_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
  -fno-omit-frame-pointer)
add_compile_options(-fsanitize=fuzzer-no-link ${COLMARA_SANITIZE_FLAGS})
add_link_options(${COLMARA_SANITIZE_FLAGS})
