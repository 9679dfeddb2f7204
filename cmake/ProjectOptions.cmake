# Shared compile settings: every target of ours links c01_options.
add_library(c01_options INTERFACE)
target_include_directories(c01_options INTERFACE ${PROJECT_SOURCE_DIR})
target_compile_options(c01_options INTERFACE -Wall -Wextra -Wpedantic)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # GCC 12 at -O2 reports impossible overlaps inside std::string and
  # uninitialised members of std::variant alternatives (known false positives
  # of -Wrestrict and -Wmaybe-uninitialized); the clang build still checks.
  target_compile_options(c01_options INTERFACE -Wno-restrict -Wno-maybe-uninitialized)
endif()
if(C01_WERROR)
  target_compile_options(c01_options INTERFACE -Werror)
endif()
if(C01_SANITIZE)
  target_compile_options(c01_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(c01_options INTERFACE -fsanitize=address,undefined)
endif()

find_package(GTest REQUIRED)
include(GoogleTest)

# c01_test(name SOURCES... LIBS ...): one GoogleTest binary registered with CTest.
function(c01_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE c01_options GTest::gtest GTest::gmock GTest::gtest_main ${T_LIBS})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()

# c01_fuzz(name SOURCE LIBS ...): a libFuzzer target, built only with C01_FUZZ,
# run by CTest for a bounded time over its seed folder.
function(c01_fuzz name)
  cmake_parse_arguments(F "" "SOURCE;SECONDS" "LIBS;SEEDS" ${ARGN})
  if(NOT C01_FUZZ)
    return()
  endif()
  if(NOT F_SECONDS)
    set(F_SECONDS 60)
  endif()
  add_executable(${name} ${F_SOURCE})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE c01_options ${F_LIBS})
  set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus)
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
            $<TARGET_FILE:${name}> -max_total_time=${F_SECONDS} -rss_limit_mb=2048 ${corpus} ${F_SEEDS})
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
  file(MAKE_DIRECTORY ${corpus})
endfunction()
