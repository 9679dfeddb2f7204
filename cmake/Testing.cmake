# What the tests are built with: GoogleTest binaries and libFuzzer targets,
# both registered with CTest. Included by tests/ only.
find_package(GTest REQUIRED)
include(GoogleTest)

# c01_test(name SOURCES... LIBS ... [PROPERTIES name value...]): one
# GoogleTest binary registered with CTest, its tests given the properties.
function(c01_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE c01_options GTest::gtest GTest::gmock GTest::gtest_main ${T_LIBS})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300 ${T_PROPERTIES})
endfunction()

# c01_fuzz(name SOURCE ... LIBS ... SEEDS folder... [SECONDS n] [MAX_LEN bytes]
#          [DICT file] [DEPENDS target...]): a libFuzzer target, built only
# with C01_FUZZ, run by CTest for a bounded time over its seed folders. The
# libraries it exercises are built with c01_fuzz_coverage.
function(c01_fuzz name)
  cmake_parse_arguments(F "" "SOURCE;SECONDS;MAX_LEN;DICT" "LIBS;SEEDS;DEPENDS" ${ARGN})
  if(NOT C01_FUZZ)
    return()
  endif()
  if(NOT F_SECONDS)
    set(F_SECONDS 60)
  endif()
  set(options -max_total_time=${F_SECONDS} -rss_limit_mb=2048)
  if(F_MAX_LEN)
    list(APPEND options -max_len=${F_MAX_LEN})
  endif()
  if(F_DICT)
    list(APPEND options -dict=${F_DICT})
  endif()
  add_executable(${name} ${F_SOURCE})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE c01_options ${F_LIBS})
  if(F_DEPENDS)
    add_dependencies(${name} ${F_DEPENDS})
  endif()
  set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus)
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
            $<TARGET_FILE:${name}> ${options} ${corpus} ${F_SEEDS})
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
  file(MAKE_DIRECTORY ${corpus})
endfunction()
