# Helpers that give every library, test, benchmark and fuzz target the same shape.

# kestrix_library(NAME SOURCES... [DEPS targets...] [PRIVATE_DEPS targets...])
# One static library per folder; headers are included as "<folder>/<file>.h"
# relative to the project root.
function(kestrix_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;PRIVATE_DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
endfunction()

# kestrix_test(NAME LABEL SOURCES... DEPS targets...)
# A GoogleTest executable registered with CTest under the library's label.
function(kestrix_test name)
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES LABELS ${ARG_LABEL} TIMEOUT 600
    ENVIRONMENT "KESTRIX_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
endfunction()

# kestrix_bench(NAME SOURCES... DEPS targets...)
function(kestrix_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} benchmark::benchmark)
endfunction()

# kestrix_fuzzer(NAME SOURCES... DEPS targets...)
function(kestrix_fuzzer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endfunction()
