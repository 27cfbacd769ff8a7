# `cpack -G DEB` in the build folder makes tessellon_VERSION_ARCH.deb of what `cmake --install`
# installs, under /usr. The libraries it needs come from dpkg-shlibdeps; Qt's platform
# plugins, which the programs load at run time, and a TrueType font to make fonts from are
# named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessellon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tessellon")
set(CPACK_PACKAGE_CONTACT "Tessellon developers <tessellon@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor of fixed-size bitmap fonts for small displays")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tessellon makes 1-bit-per-pixel fonts from TrueType fonts and a character set,\n\
edits them pixel by pixel, keeps them in .pix files and exports them as C source\n\
through a small C-like export script. tessellon-cli does the same without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core | fonts-liberation, xdg-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
