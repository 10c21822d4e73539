# Vector art as resources. A Qt without Qt Svg (the Windows build) gets PNGs instead, rendered at
# build time at 1x, 2x and 3x by a host tool built against the host's Qt Svg.
include_guard()

# Windows builds need it for the program icon too.
if(TAVRENNE_PNG_ART OR WIN32)
    include(ExternalProject)
    set(_tool_dir ${CMAKE_BINARY_DIR}/host-tools/render_art)
    set(TAVRENNE_ART_RENDERER ${_tool_dir}/render_art)
    # Built for the host even when everything else is cross-built, so it gets no toolchain file.
    ExternalProject_Add(tavrenne_render_art
        SOURCE_DIR ${PROJECT_SOURCE_DIR}/tools/render_art
        BINARY_DIR ${_tool_dir}
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
        INSTALL_COMMAND ""
        BUILD_BYPRODUCTS ${TAVRENNE_ART_RENDERER})
endif()

# tavrenne_add_art(<target> <resource name> PREFIX <prefix> FILES <svg>...)
# The art keeps its .svg names in the program's code; the picture layer finds the PNGs by them.
function(tavrenne_add_art target name)
    cmake_parse_arguments(ARG "" "PREFIX" "FILES" ${ARGN})
    if(NOT TAVRENNE_PNG_ART)
        qt_add_resources(${target} ${name} PREFIX ${ARG_PREFIX} FILES ${ARG_FILES})
        return()
    endif()
    set(_pngs)
    foreach(_svg IN LISTS ARG_FILES)
        string(REGEX REPLACE "\\.svg$" "" _stem ${_svg})
        set(_out ${CMAKE_CURRENT_BINARY_DIR}/art/${_stem})
        set(_files ${_out}.png ${_out}@2x.png ${_out}@3x.png)
        get_filename_component(_dir ${_out} DIRECTORY)
        add_custom_command(OUTPUT ${_files}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${_dir}
            COMMAND ${TAVRENNE_ART_RENDERER} png ${CMAKE_CURRENT_SOURCE_DIR}/${_svg} ${_out}.png
            DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${_svg} tavrenne_render_art
            VERBATIM)
        set_source_files_properties(${_out}.png PROPERTIES QT_RESOURCE_ALIAS ${_stem}.png)
        set_source_files_properties(${_out}@2x.png PROPERTIES QT_RESOURCE_ALIAS ${_stem}@2x.png)
        set_source_files_properties(${_out}@3x.png PROPERTIES QT_RESOURCE_ALIAS ${_stem}@3x.png)
        list(APPEND _pngs ${_files})
    endforeach()
    qt_add_resources(${target} ${name} PREFIX ${ARG_PREFIX} FILES ${_pngs})
endfunction()
