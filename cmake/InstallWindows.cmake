# Windows: the icon and version resource of tavrenne.exe, the install layout of a Windows program and the
# NSIS installer (target "installer").
#
# Installed, one folder holds tavrenne.exe with pics\ beside it, the Qt DLLs, the Qt plugins in the
# sub-folders where Qt looks beside the executable, and MinGW's runtime DLLs. No desktop entry, links or
# package: Windows keeps its shortcut and its Add/Remove entry through the installer.
set(TAVRENNE_PUBLISHER "Tavrenne developers")

enable_language(RC)
set(TAVRENNE_ICON ${CMAKE_BINARY_DIR}/tavrenne.ico)
add_custom_command(OUTPUT ${TAVRENNE_ICON}
    COMMAND ${TAVRENNE_ART_RENDERER} ico ${PROJECT_SOURCE_DIR}/shell/pictures/tavrenne.svg ${TAVRENNE_ICON}
    DEPENDS ${PROJECT_SOURCE_DIR}/shell/pictures/tavrenne.svg tavrenne_render_art
    VERBATIM)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/tavrenne.rc.in ${CMAKE_BINARY_DIR}/tavrenne.rc @ONLY)
target_sources(tavrenne PRIVATE ${CMAKE_BINARY_DIR}/tavrenne.rc)
set_source_files_properties(${CMAKE_BINARY_DIR}/tavrenne.rc PROPERTIES OBJECT_DEPENDS ${TAVRENNE_ICON})

install(TARGETS tavrenne RUNTIME DESTINATION .)
foreach(_module IN ITEMS Core Gui Widgets PrintSupport)
    install(FILES $<TARGET_FILE:Qt6::${_module}> DESTINATION .)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
# The coin faces are GIFs.
install(FILES $<TARGET_FILE:Qt6::QGifPlugin> DESTINATION imageformats)
foreach(_dll IN ITEMS libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${_dll}
        OUTPUT_VARIABLE _path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${_path}" OR NOT EXISTS "${_path}")
        message(FATAL_ERROR "The compiler does not know where ${_dll} is")
    endif()
    install(FILES ${_path} DESTINATION .)
    # The build tree's programs and tests need them beside them too.
    file(COPY ${_path} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
endforeach()

find_program(TAVRENNE_MAKENSIS makensis)
set(_stage ${CMAKE_BINARY_DIR}/installer-stage)
set(TAVRENNE_INSTALLER ${CMAKE_BINARY_DIR}/tavrenne-${PROJECT_VERSION}-setup.exe)
add_custom_target(installer
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${_stage}
    COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${_stage}/files
    COMMAND ${CMAKE_COMMAND} -DSTAGE=${_stage} -DTEMPLATE=${PROJECT_SOURCE_DIR}/packaging/windows/tavrenne.nsi.in
        -DPROJECT_VERSION=${PROJECT_VERSION} -DPROJECT_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
        -DPROJECT_VERSION_MINOR=${PROJECT_VERSION_MINOR} -DTAVRENNE_PUBLISHER=${TAVRENNE_PUBLISHER}
        -DTAVRENNE_ICON=${TAVRENNE_ICON} -DTAVRENNE_INSTALLER=${TAVRENNE_INSTALLER}
        -P ${PROJECT_SOURCE_DIR}/cmake/WindowsInstaller.cmake
    COMMAND ${TAVRENNE_MAKENSIS} -V2 ${_stage}/tavrenne.nsi
    DEPENDS tavrenne tavrenne_pics
    BYPRODUCTS ${TAVRENNE_INSTALLER}
    COMMENT "Making ${TAVRENNE_INSTALLER}"
    VERBATIM)
