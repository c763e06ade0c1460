# The Debian package: cpack -G DEB in a build folder gives
# orvex-tessary_<version>_<arch>.deb, installed under /usr, its library
# dependencies found by dpkg-shlibdeps. It carries libOrvexSkin.so.1 with a
# shlibs file and the ldconfig trigger.
set(ORVEX_PACKAGE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/orvex-tessary)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright
        DESTINATION ${ORVEX_PACKAGE_DOC_DIR})
# The changelog and the manual page are gzipped by the build, so that an
# edit is packed again.
set(orvex_gzipped "")
foreach(file debian/changelog orvex-installer.1)
    get_filename_component(name ${file} NAME)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${name}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
        COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/packaging/${file}
                > ${CMAKE_BINARY_DIR}/packaging/${name}.gz
        DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${file})
    list(APPEND orvex_gzipped ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
endforeach()
add_custom_target(orvex-packaging-docs ALL DEPENDS ${orvex_gzipped})
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${ORVEX_PACKAGE_DOC_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/orvex-tessary.lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME orvex-tessary)
install(FILES ${CMAKE_BINARY_DIR}/packaging/orvex-installer.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvex-tessary)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Orvex Tessary developers <developers@orvex-tessary.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "installer for the Orvex Tessary PSP web application")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Puts the Orvex Tessary web application on a PSP handheld's memory stick and
 adds its bookmark to the PSP browser, from a window or unattended
 (orvex-installer --unattended). Also ships the Skin title-bar widget for Qt 6
 developers: the shared library libOrvexSkin, its headers, CMake package and
 Qt Designer plugin.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The disk service that --eject asks to unmount and power off the stick, and
# Qt's own catalogues for its buttons in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "udisks2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebianLdconfigTrigger.cmake)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
