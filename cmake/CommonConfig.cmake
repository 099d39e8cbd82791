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

# Release programs carry the distribution's hardening: checked libc calls,
# a stack protector, relocations read-only and bound at start, and
# position-independent executables. (Sanitizer and fuzz builds keep their own.)
if(NOT DLT_FUZZ AND NOT DLT_SANITIZE AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  include(CheckPIESupported)
  check_pie_supported()
  target_compile_definitions(dlt_common_flags INTERFACE _FORTIFY_SOURCE=2)
  target_compile_options(dlt_common_flags INTERFACE -fstack-protector-strong -Wformat
                         -Werror=format-security)
  target_link_options(dlt_common_flags INTERFACE -Wl,-z,relro,-z,now)
  set(DLT_HARDENED ON)
endif()

# An installed program without the compilers' notes (.comment) that only
# say which compiler built it.
function(dlt_release_program target)
  if(DLT_HARDENED AND CMAKE_OBJCOPY)
    add_custom_command(TARGET ${target} POST_BUILD
                       COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment $<TARGET_FILE:${target}>
                       VERBATIM)
  endif()
endfunction()
