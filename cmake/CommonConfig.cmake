# One place for the language standard, warnings and sanitizer flags; every
# target links dlt_common_flags instead of setting its own.
add_library(dlt_common_flags INTERFACE)
target_compile_features(dlt_common_flags INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(dlt_common_flags INTERFACE -Wall -Wextra)
if(DLT_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "DLT_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++)")
  endif()
  # Everything is instrumented for coverage; only the fuzz targets link the
  # fuzzer's own main.
  target_compile_options(dlt_common_flags INTERFACE -fsanitize=fuzzer-no-link,address,undefined
                         -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(dlt_common_flags INTERFACE -fsanitize=address,undefined)
elseif(DLT_SANITIZE)
  target_compile_options(dlt_common_flags INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(dlt_common_flags INTERFACE -fsanitize=address,undefined)
endif()

# Rebuilds of several checkouts share compiled objects when ccache is present.
find_program(DLT_CCACHE ccache)
if(DLT_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${DLT_CCACHE})
endif()
