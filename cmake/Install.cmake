# Install layout and the Debian package of Tavrenne.
#
# The program looks for its coin pictures in "pics" beside its own executable, so the executable lives in a
# private folder, lib/tavrenne, whose "pics" links to the shared data folder; bin/tavrenne links to the
# executable. Qt resolves the link when it asks where the executable is, so both a started "tavrenne" and the
# desktop entry find the pictures.
include(GNUInstallDirs)

set(TAVRENNE_INSTALL_PROGRAMDIR lib/tavrenne CACHE STRING "Folder under the prefix for the executable and its pics/")
if(NOT TAVRENNE_INSTALL_PICSDIR)
    set(TAVRENNE_INSTALL_PICSDIR ${CMAKE_INSTALL_DATADIR}/tavrenne/pics)
endif()

install(TARGETS tavrenne RUNTIME DESTINATION ${TAVRENNE_INSTALL_PROGRAMDIR})

# Relative links, made here in the build tree and installed as links, so the layout moves with the prefix
# (cmake --install --prefix, DESTDIR, the package).
set(_links ${CMAKE_CURRENT_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${_links}/bin ${_links}/program)
file(RELATIVE_PATH _to_program /${CMAKE_INSTALL_BINDIR} /${TAVRENNE_INSTALL_PROGRAMDIR}/tavrenne)
file(RELATIVE_PATH _to_pics /${TAVRENNE_INSTALL_PROGRAMDIR} /${TAVRENNE_INSTALL_PICSDIR})
file(CREATE_LINK ${_to_program} ${_links}/bin/tavrenne SYMBOLIC)
file(CREATE_LINK ${_to_pics} ${_links}/program/pics SYMBOLIC)
install(FILES ${_links}/bin/tavrenne DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${_links}/program/pics DESTINATION ${TAVRENNE_INSTALL_PROGRAMDIR})

# What a desktop needs to list the program in its menu.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/tavrenne.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(_size IN ITEMS 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/shell/pictures/icons/tavrenne-${_size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps RENAME tavrenne.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/shell/pictures/tavrenne.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrenne)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tavrenne developers")
set(CPACK_PACKAGE_CONTACT "Tavrenne developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Chinese divination: I Ching, zodiac, fortune cookies and a mahjong oracle")
# One argument a line of the package's long description, as dpkg shows it.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Tavrenne offers four Chinese divination tools behind one launcher window."
    "The I Ching casts a hexagram from six tosses of three coins and reads its"
    "judgement, its image and the changing lines. The Chinese Zodiac finds the"
    "animal sign and element of a birth date between 1936 and 2019 and shows the"
    "sign's attributes, and its readings can be printed, saved and opened again."
    "The Fortune Cookie breaks one of three cookies for a fortune, and the"
    "Mahjong Oracle draws a tile and tells what it means.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tavrenne developers")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries, and with them the image-format and platform plugins, come from what the executable links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
