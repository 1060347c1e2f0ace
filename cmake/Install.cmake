# Installing the game the way Debian lays out its games: `make install` (PREFIX, DESTDIR) and the
# files scripts/make-deb packs. The program and its pack tool go in games/ (the tool only serves
# the game's packs, and Debian keeps a game package's programs there), the Scale 2 media set in
# share/games/tessoli/media.

# What is installed is hardened as Debian builds its packages (the sanitizer build has its own
# instrumentation and installs nothing).
if(NOT TESSOLI_SANITIZE)
    foreach(target tessoli tessoli_core tessoli-pack tessoli_media)
        if(TARGET ${target})
            target_compile_definitions(${target} PRIVATE _FORTIFY_SOURCE=2)
            target_compile_options(${target} PRIVATE -fstack-protector-strong)
        endif()
    endforeach()
    foreach(target tessoli tessoli-pack)
        if(TARGET ${target})
            target_link_options(${target} PRIVATE -Wl,-z,relro -Wl,-z,now)
        endif()
    endforeach()
endif()

# The media set and icons to install are built with the program, into a folder of their own that
# no game plays from, so it never holds a saved game.
set(TESSOLI_STAGED ${CMAKE_BINARY_DIR}/install-data)
add_custom_command(
    OUTPUT ${TESSOLI_STAGED}/built.stamp
    COMMAND tessoli-media --scale 2 --out ${TESSOLI_STAGED}/media
    COMMAND tessoli-media --icons ${TESSOLI_STAGED}/icons
    COMMAND ${CMAKE_COMMAND} -E touch ${TESSOLI_STAGED}/built.stamp
    DEPENDS tessoli-media
    COMMENT "Building the media set and icons to install"
    VERBATIM)
add_custom_target(install-data ALL DEPENDS ${TESSOLI_STAGED}/built.stamp)

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
install(TARGETS tessoli RUNTIME DESTINATION games)
install(TARGETS tessoli-pack RUNTIME DESTINATION games)
install(DIRECTORY ${TESSOLI_STAGED}/media/ DESTINATION share/games/tessoli/media
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
        PATTERN "cont.tll*" EXCLUDE)
install(DIRECTORY ${TESSOLI_STAGED}/icons/ DESTINATION share/icons/hicolor
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(FILES packaging/copyright DESTINATION share/doc/tessoli)

# The desktop entry, the AppStream file, the manual pages and the changelog name the folders of
# the prefix they are installed to (make install's, or /usr for the package), so they are written
# at install time; manual pages and the changelog gzip'd without a time stamp, as Debian wants.
install(CODE "set(TESSOLI_SOURCE \"${CMAKE_CURRENT_SOURCE_DIR}\")
set(PROJECT_VERSION \"${PROJECT_VERSION}\")")
install(CODE [[
    set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
    set(TESSOLI_GAME_PATH "${CMAKE_INSTALL_PREFIX}/games/tessoli")
    set(TESSOLI_DATA_DIR "${CMAKE_INSTALL_PREFIX}/share/games/tessoli")
    set(written
        "packaging/tessoli.desktop.in|share/applications/tessoli.desktop|plain"
        "packaging/org.tessoli.Tessoli.metainfo.xml.in|share/metainfo/org.tessoli.Tessoli.metainfo.xml|plain"
        "packaging/tessoli.6|share/man/man6/tessoli.6|gz"
        "packaging/tessoli-pack.1|share/man/man1/tessoli-pack.1|gz"
        "packaging/changelog|share/doc/tessoli/changelog|gz")
    foreach(entry IN LISTS written)
        string(REPLACE "|" ";" parts "${entry}")
        list(GET parts 0 from)
        list(GET parts 1 to)
        list(GET parts 2 how)
        message(STATUS "Installing: ${root}/${to}")
        configure_file("${TESSOLI_SOURCE}/${from}" "${root}/${to}" @ONLY)
        file(CHMOD "${root}/${to}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
        if(how STREQUAL "gz")
            execute_process(COMMAND gzip -9nf "${root}/${to}" RESULT_VARIABLE failed)
            if(failed)
                message(FATAL_ERROR "gzip ${root}/${to} failed")
            endif()
        endif()
    endforeach()
]])
