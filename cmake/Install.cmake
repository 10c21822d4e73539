# Install layout and the Debian package of Tavrenne.
#
# The program looks for its coin pictures in "pics" beside its own executable, so the executable lives in a
# private folder, libexec/tavrenne, whose "pics" links to the shared data folder; the command, bin/tavrenne
# (games/tavrenne in the Debian package), links to the executable. Qt resolves the link when it asks where the executable is, so both a started "tavrenne" and the
# desktop entry find the pictures.
include(GNUInstallDirs)

# The Debian package follows Debian's games policy (the command in /usr/games, section games) and carries
# Debian's own documentation files; a plain install keeps the command in bin/.
option(TAVRENNE_DEBIAN_PACKAGE "Install as the Debian package does: command in games/, Debian changelog" OFF)
if(TAVRENNE_DEBIAN_PACKAGE)
    set(_command_dir games)
else()
    set(_command_dir ${CMAKE_INSTALL_BINDIR})
endif()

set(TAVRENNE_INSTALL_PROGRAMDIR ${CMAKE_INSTALL_LIBEXECDIR}/tavrenne CACHE STRING
    "Folder under the prefix for the executable and its pics/")
if(NOT TAVRENNE_INSTALL_PICSDIR)
    set(TAVRENNE_INSTALL_PICSDIR ${CMAKE_INSTALL_DATADIR}/tavrenne/pics)
endif()
set(TAVRENNE_APP_ID com.tavrenne.Tavrenne)
set(_docdir ${CMAKE_INSTALL_DATADIR}/doc/tavrenne)

install(TARGETS tavrenne RUNTIME DESTINATION ${TAVRENNE_INSTALL_PROGRAMDIR})
if(TAVRENNE_DEBIAN_PACKAGE)
    # Stripped as Debian's own tools strip: the compilers' .comment and .note sections go too.
    install(CODE "execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
        --strip-unneeded \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${TAVRENNE_INSTALL_PROGRAMDIR}/tavrenne\"
        COMMAND_ERROR_IS_FATAL ANY)")
endif()

# Relative links, made here in the build tree and installed as links, so the layout moves with the prefix
# (cmake --install --prefix, DESTDIR, the package).
set(_links ${CMAKE_CURRENT_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${_links}/bin ${_links}/program)
file(RELATIVE_PATH _to_program /${_command_dir} /${TAVRENNE_INSTALL_PROGRAMDIR}/tavrenne)
file(RELATIVE_PATH _to_pics /${TAVRENNE_INSTALL_PROGRAMDIR} /${TAVRENNE_INSTALL_PICSDIR})
file(CREATE_LINK ${_to_program} ${_links}/bin/tavrenne SYMBOLIC)
file(CREATE_LINK ${_to_pics} ${_links}/program/pics SYMBOLIC)
install(FILES ${_links}/bin/tavrenne DESTINATION ${_command_dir})
install(FILES ${_links}/program/pics DESTINATION ${TAVRENNE_INSTALL_PROGRAMDIR})

# What a desktop and a software centre need to list the program.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${TAVRENNE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${TAVRENNE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(_size IN ITEMS 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/shell/pictures/icons/tavrenne-${_size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps RENAME tavrenne.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/shell/pictures/tavrenne.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The manual page names the installed paths, so it is written for this prefix and layout.
set(TAVRENNE_MAN_COMMAND ${CMAKE_INSTALL_PREFIX}/${_command_dir}/tavrenne)
set(TAVRENNE_MAN_PROGRAMDIR ${CMAKE_INSTALL_PREFIX}/${TAVRENNE_INSTALL_PROGRAMDIR})
set(TAVRENNE_MAN_PICSDIR ${CMAKE_INSTALL_PREFIX}/${TAVRENNE_INSTALL_PICSDIR})
set(TAVRENNE_MAN_PAGE ${CMAKE_CURRENT_BINARY_DIR}/packaging/tavrenne.6)
configure_file(${PROJECT_SOURCE_DIR}/packaging/tavrenne.6.in ${TAVRENNE_MAN_PAGE} @ONLY)

# Compressed as Debian wants its documentation: best compression, no name or time stamp inside.
find_program(TAVRENNE_GZIP gzip REQUIRED)
set(_gz ${CMAKE_CURRENT_BINARY_DIR}/packaging/gz)
set(_compressed)
function(tavrenne_gzip source name)
    add_custom_command(OUTPUT ${_gz}/${name}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${_gz}/${name}
        COMMAND ${TAVRENNE_GZIP} -9nf ${_gz}/${name}
        DEPENDS ${source}
        VERBATIM)
    set(_compressed ${_compressed} ${_gz}/${name}.gz PARENT_SCOPE)
endfunction()
tavrenne_gzip(${TAVRENNE_MAN_PAGE} tavrenne.6)
tavrenne_gzip(${PROJECT_SOURCE_DIR}/CHANGELOG changelog)
install(FILES ${_gz}/tavrenne.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${_gz}/changelog.gz ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${_docdir})
if(TAVRENNE_DEBIAN_PACKAGE)
    tavrenne_gzip(${PROJECT_SOURCE_DIR}/packaging/changelog.Debian changelog.Debian)
    install(FILES ${_gz}/changelog.Debian.gz DESTINATION ${_docdir})
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME tavrenne)
endif()
add_custom_target(tavrenne_docs ALL DEPENDS ${_compressed})
# So that building the program alone leaves everything cmake --install needs.
add_dependencies(tavrenne tavrenne_docs)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrenne)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tavrenne developers")
set(CPACK_PACKAGE_CONTACT "Tavrenne packagers <packages@tavrenne.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Chinese divination: I Ching, zodiac, fortune cookies and a mahjong oracle")
# One argument a line of the package's long description, as dpkg shows it.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Tavrenne offers four Chinese divination tools behind one launcher window."
    "The I Ching casts a hexagram from six tosses of three coins and reads its"
    "judgment, its image and the changing lines. The Chinese Zodiac finds the"
    "animal sign and element of a birth date between 1936 and 2019 and shows the"
    "sign's attributes, and its readings can be printed, saved and opened again."
    "The Fortune Cookie breaks one of three cookies for a fortune, and the"
    "Mahjong Oracle draws a tile and tells what it means.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The package's own revision: its Debian changelog (packaging/changelog.Debian) begins with this version.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tavrenne packagers <packages@tavrenne.com>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.tavrenne.com/)
if(TAVRENNE_DEBIAN_PACKAGE)
    set(CPACK_DEBIAN_PACKAGE_SECTION games)
else()
    set(CPACK_DEBIAN_PACKAGE_SECTION misc)
endif()
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries, and with them the image-format and platform plugins, come from what the executable links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Nothing links the Wayland platform plugin; without it a Wayland desktop runs the program through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
include(CPack)
