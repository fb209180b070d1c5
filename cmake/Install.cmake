# `cmake --install` lays out a program a user can start from the menu:
#   bin/voktool, bin/vokcli
#   share/voktool/           the shipped data files the programs look up
#   share/applications/      the desktop entry
#   share/icons/hicolor/     the icon, scalable and 48 px
#   share/man/man1/          vokcli(1), voktool(1)
set(VOK_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/voktool)

install(TARGETS vokcli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(VOK_GUI)
  install(TARGETS voktool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# Every file in data/ except the sources of generated files; translations keep their folder.
install(DIRECTORY data/ DESTINATION ${VOK_DATA_INSTALL_DIR}
        FILES_MATCHING PATTERN "*.dat" PATTERN "*.pcx" PATTERN "*.txt")

install(FILES packaging/voktool.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/icons/voktool.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES packaging/icons/voktool-48.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps RENAME voktool.png)
install(FILES docs/man/vokcli.1 docs/man/voktool.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# `cpack -G DEB` builds a Debian package of the same layout.
set(CPACK_PACKAGE_NAME voktool)
set(CPACK_PACKAGE_VENDOR "Vok Tool developers")
set(CPACK_PACKAGE_CONTACT "Vok Tool developers <voktool@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Prepares the frame pictures of palette-based game sprites")
set(CPACK_PACKAGE_DESCRIPTION
  "Vok Tool combines sprite frames into one picture for colour reduction, splits the reduced\n picture back into 8-bit BMP frames with the special colours at fixed palette positions,\n generates shadows and selection outlines, shifts frames over a grid, and edits frame\n lists and palettes. vokcli runs the same commands in batch.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://localhost/voktool")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The shared-library dependencies (Qt 6, the C++ runtime) are read off the programs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window needs a platform plugin, which no library links against, and Qt's own
# translations for its standard dialogs in the user's language; libspng (PNG pictures) is
# named as well, although the shared-library scan finds it too.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, libspng0")
include(CPack)
