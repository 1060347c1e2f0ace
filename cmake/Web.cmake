# The browser build: the game as a page (index.html, .js, .wasm and the preloaded Scale 2 media).
set(TESSOLI_WEB_MEDIA "${CMAKE_SOURCE_DIR}/build/media" CACHE PATH
    "The Scale 2 media set (made by the desktop build's tessoli-media) the page preloads")
set(TESSOLI_WEB_FILES "${CMAKE_SOURCE_DIR}/build/media-web" CACHE PATH
    "The page's own files made beside it (tessoli-media --web): the tune as Ogg, the icons")

file(GLOB TESSOLI_WEB_SOURCES CONFIGURE_DEPENDS
    app/*.cpp video/*.cpp res/*.cpp text/*.cpp fx/*.cpp game/*.cpp screens/*.cpp platform/*.cpp)
list(FILTER TESSOLI_WEB_SOURCES EXCLUDE REGEX "_desktop\\.cpp$")

add_executable(tessoli ${TESSOLI_WEB_SOURCES})
set_target_properties(tessoli PROPERTIES OUTPUT_NAME index SUFFIX ".html")
target_include_directories(tessoli PRIVATE ${CMAKE_SOURCE_DIR})
# Debian's stb_image decodes the pictures; the browser's SDL_image cannot read from memory.
target_include_directories(tessoli SYSTEM PRIVATE /usr/include/stb)
target_compile_options(tessoli PRIVATE -O2)
target_compile_definitions(tessoli PRIVATE TESSOLI_VERSION="${PROJECT_VERSION}")

set(web ${CMAKE_SOURCE_DIR}/web)
target_link_options(tessoli PRIVATE
    -O2
    # The frame clock and the loading waits sleep in place; ASYNCIFY turns each sleep into a
    # return to the browser.
    -sASYNCIFY -sASYNCIFY_STACK_SIZE=65536
    -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=67108864
    -sMINIFY_HTML=0
    -sFORCE_FILESYSTEM=1 -sEXPORTED_RUNTIME_METHODS=FS
    "SHELL:--shell-file ${web}/shell.html"
    "SHELL:--pre-js ${web}/pre.js"
    # A player's saved game in the media folder stays on their machine; the window's icon is the
    # desktop's (the page has its own icons).
    "SHELL:--exclude-file *cont.tll*"
    "SHELL:--exclude-file *icon.bmp"
    "SHELL:--preload-file ${TESSOLI_WEB_MEDIA}@/media/"
    # The tune as the browser can play it, where the sound library's browser side looks for it.
    "SHELL:--preload-file ${TESSOLI_WEB_FILES}/1.ogg@/media/1.ogg")
set_property(TARGET tessoli APPEND PROPERTY LINK_DEPENDS
    ${web}/shell.html ${web}/pre.js ${TESSOLI_WEB_MEDIA}/gfx.pak ${TESSOLI_WEB_MEDIA}/msx.pak
    ${TESSOLI_WEB_FILES}/1.ogg)

# The page's manifest, and its icons and screenshots drawn by the media builder
# (tessoli-media --web).
configure_file(${web}/manifest.webmanifest ${CMAKE_BINARY_DIR}/manifest.webmanifest COPYONLY)
set(TESSOLI_WEB_ICONS icon-32.png icon-192.png icon-512.png icon-maskable-512.png
    icon-monochrome-512.png screenshot-splash.png screenshot-board.png)
foreach(icon ${TESSOLI_WEB_ICONS})
    configure_file(${TESSOLI_WEB_FILES}/${icon} ${CMAKE_BINARY_DIR}/${icon} COPYONLY)
endforeach()

# The service worker that keeps the page playable offline, its cache named after this build's
# files.
add_custom_command(TARGET tessoli POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DDIR=${CMAKE_BINARY_DIR} -DSOURCE=${web}/sw.js
        "-DFILES=index.html;index.js;index.wasm;index.data;manifest.webmanifest;${TESSOLI_WEB_ICONS}"
        -P ${CMAKE_SOURCE_DIR}/cmake/web_sw.cmake
    VERBATIM)
set_property(TARGET tessoli APPEND PROPERTY LINK_DEPENDS ${web}/sw.js)
