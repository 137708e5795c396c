# Small helpers shared by every folder's CMakeLists.txt.

# Aggregate targets: `fuzzers` builds every fuzz target, `benchmarks` every benchmark.
if(LUMASKIN_FUZZ)
  add_custom_target(fuzzers)
endif()
add_custom_target(benchmarks)

# lumaskin_library(NAME [SHARED] SOURCES... [DEPENDS libs...])
# One library per source folder, named lumaskin_<folder>, with the repository root on the
# include path so that headers are included as "zip/zip_archive.h". Static, but for the engine,
# which the codec modules link as well.
function(lumaskin_library name)
  cmake_parse_arguments(ARG "SHARED" "" "SOURCES;DEPENDS" ${ARGN})
  if(ARG_SHARED)
    add_library(${name} SHARED ${ARG_SOURCES})
  else()
    add_library(${name} STATIC ${ARG_SOURCES})
  endif()
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  if(ARG_DEPENDS)
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  endif()
endfunction()

# lumaskin_test(NAME SOURCES... [DEPENDS libs...])
# A GoogleTest executable whose cases ctest discovers when the tests run. Tests run headless
# on Qt's offscreen platform.
function(lumaskin_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  if(NOT LUMASKIN_TESTS)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} lumaskin_test_support GTest::gtest
                                        GTest::gmock)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LUMASKIN_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
               TIMEOUT 300)
endfunction()

# lumaskin_fuzzer(NAME SOURCES... [DEPENDS libs...] [CORPUS dir])
# A libFuzzer target, built only in the fuzzing tree. ctest runs it for LUMASKIN_FUZZ_SECONDS
# under the label "fuzz"; any crash, leak or sanitizer report fails the run.
function(lumaskin_fuzzer name)
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;DEPENDS" ${ARGN})
  if(NOT LUMASKIN_FUZZ)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  add_dependencies(fuzzers ${name})
  set(work ${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus)
  set(seeds "")
  if(ARG_CORPUS)
    set(seeds ${ARG_CORPUS})
  endif()
  add_test(NAME ${name}
           COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                   $<TARGET_FILE:${name}> -max_total_time=${LUMASKIN_FUZZ_SECONDS}
                   -rss_limit_mb=4096 -timeout=20 -print_final_stats=1 ${work} ${seeds})
  set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 3600)
  file(MAKE_DIRECTORY ${work})
endfunction()

# lumaskin_benchmark(NAME SOURCES... [DEPENDS libs...])
# A benchmark executable, part of the `benchmarks` target.
function(lumaskin_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS})
  add_dependencies(benchmarks ${name})
endfunction()
