# The engine's folders are layers: a folder includes only the folders below
# it (or beside it in the same step). Run as a script:
#   cmake -DENGINE_DIR=src/engine [-DSTAMP=file] -P check_engine_layers.cmake
# Every include of ENGINE_DIR/<folder>/*.{h,cpp} naming another folder must be
# allowed below; otherwise the script fails and lists each offending line.
# STAMP is touched when all is well, so the build reruns it only after an edit.
#
#   trend                          top: pages over everything below
#   book                           the ticket book, over the generator's tickets
#   generator   killnum            (killnum over history, indicators, formula only)
#   analysis
#   chart                          over common only
#   history  indicators  formula
#   common
cmake_minimum_required(VERSION 3.25)

set(allowed_common "")
set(allowed_history common indicators formula)
set(allowed_indicators common history formula)
set(allowed_formula common history indicators)
set(allowed_chart common)
set(allowed_analysis common history indicators formula chart)
set(allowed_generator common history indicators formula chart analysis killnum)
set(allowed_killnum common history indicators formula)
set(allowed_book common history indicators formula chart analysis generator killnum)
set(allowed_trend common history indicators formula chart analysis generator killnum book)
set(layers common history indicators formula chart analysis generator killnum book trend)

if(NOT ENGINE_DIR)
  message(FATAL_ERROR "check_engine_layers: ENGINE_DIR is not set")
endif()
get_filename_component(ENGINE_DIR ${ENGINE_DIR} ABSOLUTE)
file(GLOB_RECURSE sources RELATIVE ${ENGINE_DIR} ${ENGINE_DIR}/*.h ${ENGINE_DIR}/*.cpp)
if(NOT sources)
  message(FATAL_ERROR "check_engine_layers: no sources under ${ENGINE_DIR}")
endif()
list(SORT sources)
set(faults "")
foreach(source ${sources})
  string(REGEX MATCH "^[^/]+" folder "${source}")
  if(folder STREQUAL source)
    set(folder "")  # a file at the top of the engine belongs to no layer
  endif()
  if(NOT folder IN_LIST layers)
    string(APPEND faults "  ${source}: the folder '${folder}' is no layer of the engine\n")
    continue()
  endif()
  file(STRINGS ${ENGINE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
  foreach(line ${includes})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"/]+)/.*$" "\\1" target "${line}")
    if(target STREQUAL folder OR target IN_LIST allowed_${folder})
      continue()
    endif()
    string(REPLACE ";" " " below "${allowed_${folder}}")
    if(below STREQUAL "")
      set(below "no other folder")
    else()
      set(below "only ${below}")
    endif()
    string(STRIP "${line}" line)
    string(APPEND faults "  ${source}: ${line} (${folder}/ includes ${below})\n")
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes against the engine's layers:\n${faults}")
endif()
if(STAMP)
  file(TOUCH ${STAMP})
endif()
