# SPDX-FileCopyrightText: 2026 The Plinvex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What `cmake --install` (and so the Debian package) puts in place: the program,
# its desktop entry and AppStream metainfo, the hicolor icons, the man page and
# the bash completion of the command line.
# The desktop file name, the metainfo id and the icon name are one and the same
# id, so software centres and docks can tie the window to its entry.
include(GNUInstallDirs)

set(PLINVEX_APP_ID io.github.plinvex.Plinvex)
set(PLINVEX_ICON_SIZES 16 32 48 64 128 256)

install(TARGETS plinvex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS plinvex-reader RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/plinvex)
install(FILES ${PROJECT_SOURCE_DIR}/data/${PLINVEX_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/${PLINVEX_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# bash-completion loads a command's file by the command's name, on first use.
install(FILES ${PROJECT_SOURCE_DIR}/data/plinvex.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME plinvex)

# The window icon compiled into the program is the one source picture; the
# theme sizes are scaled from it at build time so the two never drift apart.
function(plinvex_add_theme_icons)
    set(source ${PROJECT_SOURCE_DIR}/resources/image/icon.png)
    set(theme_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    find_program(PLINVEX_CONVERT_EXECUTABLE convert)
    if(NOT PLINVEX_CONVERT_EXECUTABLE)
        message(STATUS "ImageMagick convert not found: installing the 256x256 icon only")
        install(FILES ${source} DESTINATION ${theme_dir}/256x256/apps
                RENAME ${PLINVEX_APP_ID}.png)
        return()
    endif()

    set(outputs "")
    foreach(size IN LISTS PLINVEX_ICON_SIZES)
        set(dir ${PROJECT_BINARY_DIR}/icons/${size}x${size})
        set(output ${dir}/${PLINVEX_APP_ID}.png)
        # -strip and no date chunks keep the PNGs byte-identical between builds.
        add_custom_command(
            OUTPUT ${output}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
            COMMAND ${PLINVEX_CONVERT_EXECUTABLE} ${source} -resize ${size}x${size} -strip
                    -define png:exclude-chunks=date,time ${output}
            DEPENDS ${source}
            COMMENT "Scaling the application icon to ${size}x${size}"
            VERBATIM)
        list(APPEND outputs ${output})
        install(FILES ${output} DESTINATION ${theme_dir}/${size}x${size}/apps)
    endforeach()
    add_custom_target(plinvex-icons ALL DEPENDS ${outputs})
endfunction()

# Debian wants man pages gzipped; -n leaves name and time out so builds repeat exactly.
# Its lists of findings are written into it from the rule book.
function(plinvex_add_man_page)
    set(page ${PROJECT_BINARY_DIR}/man/plinvex.1)
    configure_file(${PROJECT_SOURCE_DIR}/data/plinvex.1.in ${page}.in @ONLY)
    add_custom_command(
        OUTPUT ${page}
        COMMAND plinvex-rulebook-docs man ${page}.in ${page}
        DEPENDS plinvex-rulebook-docs ${page}.in
        COMMENT "Writing the findings into the man page"
        VERBATIM)
    find_program(PLINVEX_GZIP_EXECUTABLE gzip)
    if(NOT PLINVEX_GZIP_EXECUTABLE)
        add_custom_target(plinvex-man-page ALL DEPENDS ${page})
        install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
        return()
    endif()
    add_custom_command(
        OUTPUT ${page}.gz
        COMMAND ${PLINVEX_GZIP_EXECUTABLE} -9 -n -k -f ${page}
        DEPENDS ${page}
        COMMENT "Compressing the man page"
        VERBATIM)
    add_custom_target(plinvex-man-page ALL DEPENDS ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

plinvex_add_theme_icons()
plinvex_add_man_page()
