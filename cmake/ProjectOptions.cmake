# Shared compile settings: every target of ours links c01_options.
add_library(c01_options INTERFACE)
target_include_directories(c01_options INTERFACE ${PROJECT_SOURCE_DIR})
target_compile_options(c01_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion)
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  # Clang's -Wconversion also takes in sign conversions, which GCC's leaves
  # out; both builds check the same set.
  target_compile_options(c01_options INTERFACE -Wno-sign-conversion)
endif()

# c01_gcc_false_positive(file warning): GCC 12 at -O2 reports impossible
# overlaps inside std::string and uninitialised members of std::variant
# alternatives (known false positives of -Wrestrict and
# -Wmaybe-uninitialized) in a few files; the warning is switched off for
# those alone, and the clang build still checks them.
function(c01_gcc_false_positive file warning)
  set_property(SOURCE ${file} DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} APPEND PROPERTY COMPILE_OPTIONS
    $<$<CXX_COMPILER_ID:GNU>:-Wno-${warning}>)
endfunction()
if(C01_WERROR)
  target_compile_options(c01_options INTERFACE -Werror)
endif()
if(C01_SANITIZE)
  target_compile_options(c01_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(c01_options INTERFACE -fsanitize=address,undefined)
endif()
if(C01_FUZZ AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "C01_FUZZ needs clang's libFuzzer; this build uses ${CMAKE_CXX_COMPILER_ID}")
endif()

# c01_fuzz_coverage(target): the library's code steers the fuzz targets that
# exercise it. Without this they mutate blind: libFuzzer sees only the
# coverage of code compiled for it.
function(c01_fuzz_coverage target)
  if(C01_FUZZ)
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
  endif()
endfunction()
