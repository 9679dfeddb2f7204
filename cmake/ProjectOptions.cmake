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
