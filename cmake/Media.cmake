# The media sets the program and the tests play, made by tessoli-media as part of the default
# build: media/ at Scale 2 and media-s1/ at Scale 1. The builder rewrites only files whose bytes
# changed and never touches a cont.tll; it runs again when it was rebuilt or a set's stamp is gone.
# A build that plays another build's sets (TESSOLI_MEDIA_ROOT, the sanitizer build) makes none.
if(TARGET tessoli-media AND (NOT DEFINED TESSOLI_MEDIA_ROOT OR TESSOLI_MEDIA_ROOT STREQUAL CMAKE_BINARY_DIR))
    set(media_stamps)
    foreach(set_scale 2 1)
        if(set_scale EQUAL 1)
            set(set_dir ${CMAKE_BINARY_DIR}/media-s1)
        else()
            set(set_dir ${CMAKE_BINARY_DIR}/media)
        endif()
        set(stamp ${set_dir}/.tessoli-media-stamp)
        add_custom_command(OUTPUT ${stamp}
            COMMAND tessoli-media --scale ${set_scale} --out ${set_dir}
            COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
            DEPENDS tessoli-media
            COMMENT "Media set at Scale ${set_scale} in ${set_dir}"
            VERBATIM)
        list(APPEND media_stamps ${stamp})
    endforeach()
    # The browser page's files beside the Scale 2 set (the tune as Ogg Vorbis, the page's icons).
    set(web_stamp ${CMAKE_BINARY_DIR}/media-web/.tessoli-media-stamp)
    add_custom_command(OUTPUT ${web_stamp}
        COMMAND tessoli-media --web ${CMAKE_BINARY_DIR}/media-web
        COMMAND ${CMAKE_COMMAND} -E touch ${web_stamp}
        DEPENDS tessoli-media
        COMMENT "The page's tune and icons in ${CMAKE_BINARY_DIR}/media-web"
        VERBATIM)
    list(APPEND media_stamps ${web_stamp})
    add_custom_target(media ALL DEPENDS ${media_stamps})
endif()
