# The version and the installation folders the programs are built for, as one
# generated header (dlt_build_config.h) behind the target dlt_build_config.

# The installation data relative to the programs' folder, so an installed tree
# still finds it when moved to another prefix.
file(RELATIVE_PATH DLT_DATA_DIR_FROM_BIN
     ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/dlt)
set(DLT_INSTALL_DATA_DIR ${CMAKE_INSTALL_FULL_DATADIR}/dlt)

configure_file(${CMAKE_CURRENT_LIST_DIR}/dlt_build_config.h.in
               ${CMAKE_BINARY_DIR}/generated/dlt_build_config.h @ONLY)
add_library(dlt_build_config INTERFACE)
target_include_directories(dlt_build_config INTERFACE ${CMAKE_BINARY_DIR}/generated)
