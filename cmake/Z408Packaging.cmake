# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Packages made by CPack from the installed tree: a .deb always, an .rpm where rpmbuild is there.
#   cmake -S . -B build-rel -G Ninja -DCMAKE_BUILD_TYPE=Release -DZ408_PACKAGE=ON \
#         -DCMAKE_INSTALL_PREFIX=/usr
#   cmake --build build-rel --target package
# Z408_PACKAGE turns on the hardening (cmake/Z408Options.cmake) and the debug information the
# package's debug symbols are split from, and leaves the stand-in helpers out.
set(Z408_MAINTAINER "Z408 configurator developers <z408@users.noreply.github.com>")

# Debian's documentation folder: the copyright file (machine-readable, naming the licence) and a
# changelog, compressed without a timestamp so that the package builds reproducibly.
set(_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/z408)
execute_process(COMMAND date -u -R -d "${Z408_RELEASE_DATE} 12:00:00"
    OUTPUT_VARIABLE Z408_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE)
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${CMAKE_BINARY_DIR}/packaging/copyright
    @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog
    @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
    COMMAND gzip -9 -n -c ${CMAKE_BINARY_DIR}/packaging/changelog > ${CMAKE_BINARY_DIR}/packaging/changelog.gz
    DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog)
add_custom_target(z408_package_docs ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/copyright DESTINATION ${_doc_dir})
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${_doc_dir}
    RENAME changelog.Debian.gz)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME z408)

# The install and remove scripts reload udev's rules; the shipped settings file is a conffile
# (kept on removal, replaced on upgrade only when unedited).
configure_file(${PROJECT_SOURCE_DIR}/packaging/conffiles.in ${CMAKE_BINARY_DIR}/packaging/conffiles
    @ONLY)
file(COPY ${PROJECT_SOURCE_DIR}/packaging/postinst ${PROJECT_SOURCE_DIR}/packaging/postrm
    DESTINATION ${CMAKE_BINARY_DIR}/packaging
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
        WORLD_EXECUTE)

set(CPACK_PACKAGE_NAME z408)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Z408 configurator developers")
set(CPACK_PACKAGE_CONTACT "${Z408_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration program for the Z408 gaming mouse")
set(CPACK_PACKAGE_DESCRIPTION
    "The configuration program of the Tarvo Z408 gaming mouse: the function of
every button, the DPI steps, the lighting, macros and the five profiles kept in
the mouse, and click and travel statistics, as a window (z408) and from a
terminal (z408ctl).")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://z408.github.io/")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSES/GPL-2.0-or-later.txt)
# Not CPACK_STRIP_FILES: the debug-symbol packages split the symbols off and strip the binaries
# themselves, and find nothing to split in binaries stripped before.
set(CPACK_PACKAGE_INSTALL_DIRECTORY z408)

find_program(Z408_RPMBUILD rpmbuild)
if(Z408_RPMBUILD)
    set(CPACK_GENERATOR "DEB;RPM")
else()
    set(CPACK_GENERATOR "DEB")
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${Z408_MAINTAINER}")
# The dependencies are those of the libraries actually linked (dpkg-shlibdeps); udev and the
# fonts of the interface are the ones a library cannot name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "udev, fonts-noto-core")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "fonts-noto-cjk")
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_BINARY_DIR}/packaging/postinst ${CMAKE_BINARY_DIR}/packaging/postrm
    ${CMAKE_BINARY_DIR}/packaging/conffiles)

set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_LICENSE "GPL-2.0-or-later")
set(CPACK_RPM_PACKAGE_GROUP "Applications/System")
set(CPACK_RPM_PACKAGE_AUTOREQ ON)
set(CPACK_RPM_PACKAGE_RELOCATABLE OFF)
# rpm rewrites the source tree's path in the debug symbols to a folder name that must be
# clearly shorter than that path (seen: 17 characters work, 12 do not); from a source tree at a
# shorter path the .rpm comes without its debuginfo package rather than not at all.
string(LENGTH "${CMAKE_SOURCE_DIR}" _z408_source_path_length)
if(_z408_source_path_length GREATER 16)
    set(CPACK_RPM_DEBUGINFO_PACKAGE ON)
    set(CPACK_RPM_BUILD_SOURCE_DIRS_PREFIX /src/z408)
else()
    message(STATUS "rpm: no debuginfo package from a source tree at a path this short")
    set(CPACK_RPM_DEBUGINFO_PACKAGE OFF)
endif()
set(CPACK_RPM_POST_INSTALL_SCRIPT_FILE ${CMAKE_BINARY_DIR}/packaging/postinst)
set(CPACK_RPM_POST_UNINSTALL_SCRIPT_FILE ${CMAKE_BINARY_DIR}/packaging/postrm)
set(CPACK_RPM_USER_FILELIST "%config(noreplace) ${Z408_SETTINGS_INSTALL_DIR}/z408.ini")
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
    /etc /lib /lib/udev /lib/udev/rules.d /usr/lib/udev /usr/lib/udev/rules.d /usr/libexec
    /usr/share/metainfo /usr/share/icons /usr/share/icons/hicolor /usr/share/lintian
    /usr/share/lintian/overrides /usr/share/bash-completion /usr/share/bash-completion/completions)

include(CPack)
