# The Debian package of the game: `cmake --build BUILD --target package` (or `make package`).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolm)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tolm developers")
# The project has no mailbox of its own; an address under the reserved .invalid domain says
# so plainly and can never reach a stranger, as a made-up real domain could.
set(CPACK_PACKAGE_CONTACT "Tolm developers <dev@tolm.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Czech choose-your-path story game")
# One line a list item: CPack indents each by a space, and lintian wants them within 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "From a tower block in Rumburk to Šluknov: a small story game in Czech, a dark"
  "slapstick comedy set in a Czech border town. One window holds every scene:"
  "the story, the choices, the scene picture, the purse, an inventory of cards"
  "and a tally of deeds. Each choice rewrites the story and may cost or earn"
  "money; several endings wait along the way. It is played with the mouse or"
  "the keyboard alone.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Listed by hand rather than found by dpkg-shlibdeps, so that packaging needs no dpkg-dev.
# On Debian 12 libqt6gui6 brings the X11 platform plugin itself. The fonts stand in for the
# layout's font families.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libgcc-s1, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libxcb1, libxcb-xkb1, libfontconfig1, fonts-urw-base35, fonts-comic-neue, fonts-liberation2")
# Where a desktop runs Wayland, the game runs there natively with Qt's Wayland plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)

include(GNUInstallDirs)
set(TOLM_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tolm)

# Installs SOURCE gzipped into DESTINATION. gzip -9n: the most compression, as Debian wants
# for documentation, and no name or time stamp inside, so that every build gives the same bytes.
function(tolm_install_gzipped source destination)
  get_filename_component(name ${source} NAME)
  set(zipped ${CMAKE_CURRENT_BINARY_DIR}/gzipped/${name}.gz)
  add_custom_command(
    OUTPUT ${zipped}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/gzipped
    COMMAND sh -c "gzip -9n < \"$0\" > \"$1\"" ${source} ${zipped}
    DEPENDS ${source}
    VERBATIM)
  string(MAKE_C_IDENTIFIER "tolm_gzip_${name}" target)
  add_custom_target(${target} ALL DEPENDS ${zipped})
  install(FILES ${zipped} DESTINATION ${destination})
endfunction()

# What Debian asks of every package: the copyright in its machine-readable form and the
# changelog (a package of our own, so a native one: changelog.gz, not changelog.Debian.gz).
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${TOLM_DOC_DIR})
tolm_install_gzipped(${PROJECT_SOURCE_DIR}/packaging/changelog ${TOLM_DOC_DIR})
