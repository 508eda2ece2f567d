# The Debian package: `cpack -G DEB` in a build folder (scripts/package.sh)
# gives kestrix_<version>_amd64.deb with what `cmake --install` puts under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Kestrix)
set(CPACK_PACKAGE_CONTACT "Kestrix <support@kestrix.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "The day's football matches with their statistics")
set(CPACK_PACKAGE_DESCRIPTION
    "Kestrix logs in to the football statistics service and shows the day's matches in a\n"
    "table with their odds and how the current season differs from the three-season\n"
    "averages, with a detail panel for the selected match. The package also holds\n"
    "kestrix-demo-service, a local stand-in for the service, and skinc, the skin compiler.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE http://www.kestrix.example/)
# The run-time libraries come from the programs themselves (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts the window's layout is measured in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
