# SPDX-License-Identifier: MIT
# Installing, uninstalling and the Debian packages.
#
# cmake --install follows CMAKE_INSTALL_PREFIX (or --prefix) and DESTDIR; the uninstall target
# removes the files the last install recorded in install_manifest.txt; cpack -G DEB packs the
# same install under /usr, one package for each component:
#   program  kelvarin                 the program, its windows' module and desktop files
#   lib      libkelvarin-workout1     the shared library of workOut (workout/CMakeLists.txt)
#   dev      libkelvarin-workout-dev  its headers, CMake package and pkg-config file
#   doc      kelvarin-doc             its reference documentation, HTML and Qt help (docs/)
include(GNUInstallDirs)

install(TARGETS kelvarin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The windows are a private module of the program, beside its helpers rather than among the
# system's libraries.
install(TARGETS kelvarin_windows LIBRARY DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/kelvarin)
install(FILES resources/${KELVARIN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/${KELVARIN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY resources/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The manual page and the change log, compressed as a Debian package wants them.
set(KELVARIN_COMPRESSED ${PROJECT_BINARY_DIR}/compressed)
add_custom_command(
  OUTPUT ${KELVARIN_COMPRESSED}/kelvarin.1.gz ${KELVARIN_COMPRESSED}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KELVARIN_COMPRESSED}
  COMMAND gzip -n -9 -c ${PROJECT_SOURCE_DIR}/resources/kelvarin.1 > ${KELVARIN_COMPRESSED}/kelvarin.1.gz
  COMMAND gzip -n -9 -c ${PROJECT_SOURCE_DIR}/resources/changelog > ${KELVARIN_COMPRESSED}/changelog.gz
  DEPENDS resources/kelvarin.1 resources/changelog
  COMMENT "Compressing the manual page and the change log")
add_custom_target(kelvarin_compressed_docs ALL
  DEPENDS ${KELVARIN_COMPRESSED}/kelvarin.1.gz ${KELVARIN_COMPRESSED}/changelog.gz)
install(FILES ${KELVARIN_COMPRESSED}/kelvarin.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# Every package carries the copyright and the change log in its own documentation folder.
set(KELVARIN_PACKAGES program kelvarin lib libkelvarin-workout1 dev libkelvarin-workout-dev)
if(KELVARIN_DOCS)
  list(APPEND KELVARIN_PACKAGES doc kelvarin-doc)
endif()
set(components)
while(KELVARIN_PACKAGES)
  list(POP_FRONT KELVARIN_PACKAGES component package)
  list(APPEND components ${component})
  install(FILES ${KELVARIN_COMPRESSED}/changelog.gz resources/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
  string(TOUPPER ${component} upper)
  set(CPACK_DEBIAN_${upper}_PACKAGE_NAME ${package})
  set(CPACK_DEBIAN_${upper}_FILE_NAME DEB-DEFAULT)
endwhile()

add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -P ${CMAKE_CURRENT_LIST_DIR}/uninstall.cmake
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
  COMMENT "Removing the files of the last install")

set(CPACK_PACKAGE_NAME kelvarin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Kelvarin developers")
set(CPACK_PACKAGE_CONTACT "The Kelvarin developers <${KELVARIN_AUTHOR_EMAIL}>")
# Each package's description begins with its own summary line. (CPack puts a summary for them
# all in front of each, unless it is CPack's own default: so that default it is.)
set(KELVARIN_SUMMARY "segment codes of 8-segment LED digits for 8051 firmware")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${CMAKE_PROJECT_NAME} built using CMake")
set(CPACK_PACKAGE_DESCRIPTION
  "Kelvarin works out the segment codes of 8-segment LED digits (bars a to g
and the decimal point) for 8051-family firmware. Click the segments of a
drawn digit, pick common cathode or common anode, and read the byte at once
in binary and as a C array element; collect the codes into a C51 table
declaration, copy it to the clipboard, or take one of two ready-made tables
of 57 common characters.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${components})
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# Libraries from the linked shared objects.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

# The program. The CJK font the windows' texts need, the Wayland platform plugin for Wayland
# desktops, and libcrypto and SQLite, which the program opens when it first hashes a file or
# opens its registry, are not linked and named here.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS
  "fonts-wqy-microhei, qt6-wayland, libssl3 (>= 3.0.0), libsqlite3-0 (>= 3.20.0)")
set(CPACK_DEBIAN_PROGRAM_DESCRIPTION "${KELVARIN_SUMMARY}
${CPACK_PACKAGE_DESCRIPTION}")

# The shared library: its shlibs file for the programs built on it, and the trigger that has
# the dynamic linker's cache brought up to date (instead of the maintainer scripts calling
# ldconfig that CPack writes for a library, which are taken out after the build).
set(CPACK_DEBIAN_LIB_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_LIB_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/resources/debian/triggers)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/drop-ldconfig-calls.cmake)
set(CPACK_DEBIAN_LIB_DESCRIPTION "utility library of the Kelvarin segment-code tool
The workOut library gathers ninety operations for Qt programs: number bases
and bit strings, dates, substrings, file names, episode numbers in media file
names, money formatting, a text sort, an INI file editor that keeps the
file's encoding and bytes, an LRC lyric reader, text-box helpers, a
registry-style key store, file digests, drives, shell dialogs and a search of
the desktop's windows.
.
This package holds the shared library.")

# The development files.
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_DEV_DEPENDS lib)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "qt6-base-dev")
set(CPACK_DEBIAN_DEV_PACKAGE_SUGGESTS "kelvarin-doc")
set(CPACK_DEBIAN_DEV_DESCRIPTION "utility library of the Kelvarin segment-code tool (development files)
The workOut library gathers ninety operations for Qt programs: number bases
and bit strings, dates, substrings, file names, INI and lyric files, file
digests, drives and the desktop.
.
This package holds the headers, the CMake package (find_package(Kelvarin
COMPONENTS workout)) and the pkg-config file (kelvarin-workout).")

# The reference documentation.
set(CPACK_DEBIAN_DOC_PACKAGE_SECTION doc)
set(CPACK_DEBIAN_DOC_PACKAGE_ARCHITECTURE all)
set(CPACK_DEBIAN_DOC_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_DOC_DESCRIPTION "utility library of the Kelvarin segment-code tool (documentation)
The workOut library gathers ninety operations for Qt programs: number bases
and bit strings, dates, substrings, file names, INI and lyric files, file
digests, drives and the desktop.
.
This package holds the reference documentation of every operation, with its
parameters, result, errors and an example, in HTML and as a Qt help file for
Qt Creator and Qt Assistant.")
include(CPack)
