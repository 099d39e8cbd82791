# What `cmake --install` puts beside the two programs (the installation data,
# the menu entry, the icon, the manual pages) and the Debian package CPack
# builds from it (`make package`).

if(TARGET dlt-gui)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/dlt)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/dlt.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  # Drawn by tools/make_icon; run it again after changing the drawing.
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/packaging/icons/hicolor
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
  # What software centres show of the program.
  configure_file(${CMAKE_SOURCE_DIR}/packaging/org.dlt_project.dlt.metainfo.xml.in
                 ${CMAKE_BINARY_DIR}/packaging/org.dlt_project.dlt.metainfo.xml @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/org.dlt_project.dlt.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  # The help page stays in the installation data the program reads; the
  # override tells the distribution's checker why.
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/lintian-overrides
          DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME dlt)
endif()

# The licence, the machine-readable copyright file and the package's
# changelog (compressed without a time stamp, so builds are reproducible).
find_program(DLT_GZIP gzip)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dlt)
if(DLT_GZIP)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog.in
                 ${CMAKE_BINARY_DIR}/packaging/changelog.Debian @ONLY)
  set(dlt_changelog ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz)
  add_custom_command(
    OUTPUT ${dlt_changelog}
    COMMAND ${DLT_GZIP} -9nc ${CMAKE_BINARY_DIR}/packaging/changelog.Debian > ${dlt_changelog}
    DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.Debian
    COMMENT "Compressing the package changelog")
  add_custom_target(package_changelog ALL DEPENDS ${dlt_changelog})
  install(FILES ${dlt_changelog} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dlt)
endif()

# Manual pages from each program's --help and --version, with the common
# sections of packaging/manpage.h2m.in.
find_program(DLT_HELP2MAN help2man)
set(DLT_MAN_PAGES)
if(DLT_HELP2MAN AND DLT_GZIP)
  set(man_dir ${CMAKE_BINARY_DIR}/man)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/manpage.h2m.in ${man_dir}/manpage.h2m @ONLY)
  # help2man takes its arguments for Latin-1: the summaries stay ASCII.
  set(dlt_summary "analyse lottery draws and build tickets from the command line")
  set(dlt-gui_summary "analyse lottery draws and build tickets, the desktop program")
  foreach(program dlt dlt-gui)
    if(NOT TARGET ${program})
      continue()
    endif()
    set(page ${man_dir}/${program}.1)
    add_custom_command(
      OUTPUT ${page}.gz
      # The help holds Chinese text, which help2man keeps only in a UTF-8 locale.
      COMMAND ${DLT_HELP2MAN} --locale=C.UTF-8 --no-info --section=1 --name=${${program}_summary}
              --include=${man_dir}/manpage.h2m --output=${page} $<TARGET_FILE:${program}>
      COMMAND ${DLT_GZIP} -9nf ${page}
      DEPENDS ${program} ${man_dir}/manpage.h2m
      COMMENT "Writing the manual page of ${program}"
      VERBATIM)
    list(APPEND DLT_MAN_PAGES ${page}.gz)
  endforeach()
  add_custom_target(man_pages ALL DEPENDS ${DLT_MAN_PAGES})
  install(FILES ${DLT_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(STATUS "help2man or gzip not found: no manual pages")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dlt)
set(CPACK_PACKAGE_VENDOR "dlt developers")
set(CPACK_PACKAGE_CONTACT "dlt developers <devel@dlt-project.org>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://dlt-project.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
# Lines of the control file's long description stay under 80 columns.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Keeps the draw history, describes every draw by a large catalogue of\n"
       "indicators, shows trend grids and charts, tests kill-number and banker\n"
       "formulas, and builds tickets by judging all front combinations against\n"
       "the user's conditions, some of them tolerant. The desktop program is\n"
       "dlt-gui; dlt is the command line over the same engine.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from dpkg-shlibdeps; the certificates that https to the
# history service checks against, the platform plugins that open a window,
# Qt's own texts in Chinese and a font with the Chinese characters do not.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "ca-certificates")
if(TARGET dlt-gui)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "ca-certificates, qt6-qpa-plugins, qt6-translations-l10n")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-noto-cjk")
endif()
include(CPack)
