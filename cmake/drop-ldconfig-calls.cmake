# SPDX-License-Identifier: MIT
# Run by CPack once the packages are built (CPACK_POST_BUILD_SCRIPTS). The shared library's
# package has the dynamic linker's cache brought up to date by its ldconfig trigger; the
# maintainer scripts that CPack writes for a library, which call ldconfig themselves, are taken
# out of it again.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "/libkelvarin-workout[0-9]+_[^/]*\\.deb$")
    continue()
  endif()
  set(tree "${package}.tree")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb --raw-extract "${package}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE "${tree}/DEBIAN/postinst" "${tree}/DEBIAN/postrm")
  execute_process(COMMAND dpkg-deb --root-owner-group --build "${tree}" "${package}"
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${tree}")
endforeach()
