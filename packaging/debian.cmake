# The Debian package: `cpack -G DEB` in a build folder makes orvant_<version>_<arch>.deb
# (scripts/package.sh builds it the packager's way, from a fresh folder). Its run-time
# dependencies come from the binaries through dpkg-shlibdeps.

# The package is the viewer with its exporter: without the viewer there is none.
if(NOT UNIX OR APPLE OR NOT ORVANT_BUILD_VIEWER)
  return()
endif()

set(debian_dir ${CMAKE_CURRENT_LIST_DIR})
set(maintainer "ORVANT developers <developers@orvant.github.io>")
# The package's own revision of the program's version: a new package of the same
# program counts it up, a new program version starts again at 1.
set(debian_revision 1)
set(package_version ${PROJECT_VERSION}-${debian_revision})

# The changelog's newest entry names the version the package is built with.
file(STRINGS ${debian_dir}/changelog.Debian newest_entry LIMIT_COUNT 1)
if(NOT newest_entry MATCHES "^orvant \\(${package_version}\\) ")
  message(FATAL_ERROR "packaging/changelog.Debian: the newest entry is not version "
    "${package_version}: ${newest_entry}")
endif()

# Debian wants the changelog compressed to the maximum and without a time stamp, so the
# same source makes the same package.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${debian_dir}/changelog.Debian)
set(changelog_gz ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
execute_process(COMMAND gzip -9 --no-name --stdout
  INPUT_FILE ${debian_dir}/changelog.Debian
  OUTPUT_FILE ${changelog_gz}
  RESULT_VARIABLE gzip_result)
if(NOT gzip_result EQUAL 0)
  message(FATAL_ERROR "cannot compress packaging/changelog.Debian: ${gzip_result}")
endif()

# Only the packages carry these two: `cmake --install` leaves them out. Each package has
# its own copy, as Debian wants.
install(FILES ${debian_dir}/copyright ${changelog_gz}
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvant
  PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
  COMPONENT debian EXCLUDE_FROM_ALL)
set(CPACK_INSTALL_CMAKE_PROJECTS
  "${CMAKE_BINARY_DIR};orvant;Unspecified;/"
  "${CMAKE_BINARY_DIR};orvant;debian;/")
if(ORVANT_BUILD_PYTHON)
  install(FILES ${debian_dir}/copyright ${changelog_gz}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/python3-orvant
    PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
    COMPONENT python-debian EXCLUDE_FROM_ALL)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvant)
set(CPACK_PACKAGE_VENDOR "The ORVANT developers")
set(CPACK_PACKAGE_CONTACT "${maintainer}")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://orvant.github.io/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "viewer for memory dumps of a digital storage oscilloscope")
set(CPACK_PACKAGE_DESCRIPTION [=[
ORVANT shows the memory dump of a two-channel digital storage oscilloscope,
captured into a text file of hexadecimal byte pairs. Click a capture file and
see at once every byte of the dump in a table, the 25 front-panel settings of
the instrument at the time of the capture, and the 512-sample waveform on a
graticule of 10 by 8 divisions.

Curves of several captures accumulate in four colours until the plot is
cleared. A shown setting can be overridden by hand, and the decoded data can be
exported to a dated text file; orvant-export exports many captures at once
without a window.]=])
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${debian_revision})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${maintainer}")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins (X11 among them) at run time: no binary links them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Liberation Mono stands in for "Courier New"; Symbola draws the control pictures.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-symbola")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)

# The Python module's package, python3-orvant, from its own CPack configuration:
# `cpack --config CPackPythonConfig.cmake` in the build folder.
if(ORVANT_BUILD_PYTHON)
  set(python_version ${Python3_VERSION_MAJOR}.${Python3_VERSION_MINOR})
  math(EXPR next_minor "${Python3_VERSION_MINOR} + 1")
  set(python_next ${Python3_VERSION_MAJOR}.${next_minor})
  configure_file(${debian_dir}/python3-orvant.cpack.in ${CMAKE_BINARY_DIR}/CPackPythonConfig.cmake
    @ONLY)
endif()
