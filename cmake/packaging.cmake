# SPDX-License-Identifier: MIT
# Installing, uninstalling and the Debian package.
#
# cmake --install follows CMAKE_INSTALL_PREFIX (or --prefix) and DESTDIR; the uninstall target
# removes the files the last install recorded in install_manifest.txt; cpack -G DEB packs the
# same install under /usr.
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
install(FILES ${KELVARIN_COMPRESSED}/changelog.gz resources/copyright
  DESTINATION ${CMAKE_INSTALL_DOCDIR})

add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -P ${CMAKE_CURRENT_LIST_DIR}/uninstall.cmake
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
  COMMENT "Removing the files of the last install")

set(CPACK_PACKAGE_NAME kelvarin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Kelvarin developers")
set(CPACK_PACKAGE_CONTACT "The Kelvarin developers <${KELVARIN_AUTHOR_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "segment codes of 8-segment LED digits for 8051 firmware")
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
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# Libraries from the linked shared objects; the CJK font the windows' texts need, and the
# Wayland platform plugin for Wayland desktops, are not linked and named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei, qt6-wayland")
include(CPack)
