# The Debian package of the game: `cmake --build BUILD --target package` (or `make package`).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolm)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tolm developers")
set(CPACK_PACKAGE_CONTACT "Tolm developers <tolm@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Czech choose-your-path story game")
set(CPACK_PACKAGE_DESCRIPTION
    "From a panel house in Rumburk to Sluknov: a small Czech story game, played by choosing one of the buttons in each scene.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Listed by hand rather than found by dpkg-shlibdeps, so that packaging needs no dpkg-dev.
# qt6-qpa-plugins holds the X11 and Wayland platform plugins that the window needs; the
# fonts stand in for the layout's font families.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libgcc-s1, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), qt6-qpa-plugins, fonts-urw-base35, fonts-comic-neue, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
