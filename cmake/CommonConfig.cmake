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
# With precompiled headers ccache caches only when told to overlook the
# header's time stamps and the macros it defines (the header is hashed).
find_program(DLT_CCACHE ccache)
if(DLT_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  if(DLT_PRECOMPILED_HEADERS)
    set(CMAKE_CXX_COMPILER_LAUNCHER
        ${CMAKE_COMMAND} -E env
        CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
        ${DLT_CCACHE})
  else()
    set(CMAKE_CXX_COMPILER_LAUNCHER ${DLT_CCACHE})
  endif()
endif()

# The kind of the engine and desktop libraries, and where an installed
# program finds them when they are shared.
if(DLT_SHARED_LIBS)
  set(DLT_LIBRARY_KIND SHARED)
  set(DLT_PRIVATE_LIBDIR ${CMAKE_INSTALL_LIBDIR}/dlt)
  file(RELATIVE_PATH libdir_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
       ${CMAKE_INSTALL_PREFIX}/${DLT_PRIVATE_LIBDIR})
  set(CMAKE_INSTALL_RPATH "$ORIGIN/${libdir_from_bin}")
else()
  set(DLT_LIBRARY_KIND STATIC)
endif()

# The Qt headers most windows include. A few dozen, not the whole QtWidgets
# module: its precompiled form is nearly twice the size and loads slower.
set(DLT_QT_PCH_HEADERS
    <QAbstractTableModel> <QApplication> <QButtonGroup> <QCheckBox> <QComboBox> <QDialog>
    <QFile> <QGridLayout> <QGroupBox> <QHBoxLayout> <QHeaderView> <QLabel> <QLineEdit>
    <QListWidget> <QMenu> <QPainter> <QPlainTextEdit> <QPushButton> <QRadioButton>
    <QScrollBar> <QString> <QStringList> <QTabWidget> <QTableView> <QTimer> <QVBoxLayout>
    <QWidget>)

# Precompiles the headers ARGN for `target` when DLT_PRECOMPILED_HEADERS is
# on (nothing otherwise).
function(dlt_precompile target)
  if(DLT_PRECOMPILED_HEADERS)
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()

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
