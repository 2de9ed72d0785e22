# What `cmake --install` puts where, and the Debian package built from it
# (cpack -G DEB in a build folder; `make package` does the release build too).
#
#   bin/selbrin
#   share/applications/io.github.selbrin.Selbrin.desktop
#   share/metainfo/io.github.selbrin.Selbrin.metainfo.xml
#   share/mime/packages/io.github.selbrin.Selbrin.xml   the drive file's type
#   share/icons/hicolor/{32x32,256x256,scalable}/apps/io.github.selbrin.Selbrin.{png,svg}
#   share/doc/selbrin/copyright
#
# Only the calculator is installed: the scenario runner, the benchmarks and the
# tests stay in the build folder.
include(GNUInstallDirs)

set(SELBRIN_APP_ID io.github.selbrin.Selbrin)
set(SELBRIN_DATA ${CMAKE_SOURCE_DIR}/data)

install(TARGETS selbrin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${SELBRIN_DATA}/${SELBRIN_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SELBRIN_DATA}/${SELBRIN_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${SELBRIN_DATA}/${SELBRIN_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${SELBRIN_APP_ID}.xml)
install(DIRECTORY ${SELBRIN_DATA}/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
        FILES_MATCHING PATTERN "${SELBRIN_APP_ID}.png" PATTERN "${SELBRIN_APP_ID}.svg")

install(FILES ${SELBRIN_DATA}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/selbrin)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME selbrin)
set(CPACK_PACKAGE_VERSION ${SELBRIN_VERSION_TEXT})
set(CPACK_PACKAGE_CONTACT "Selbrin developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "V-belt drive calculator for screw compressors")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts in Turkish (edit menus, message buttons) on a Turkish desktop;
# dpkg-shlibdeps adds the libraries to this.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
# The long description; cpack puts the summary above it and indents it.
set(CPACK_PACKAGE_DESCRIPTION
    "Selbrin sizes the V-belt drive between an electric motor and the screw of a
screw compressor, in one window with Turkish captions: motor speed and shaft,
speed ratio, belt speed, pulley width and taper bushes while you type, and the
centre distance, arc of contact, belt length and belt power on demand.")
include(CPack)
