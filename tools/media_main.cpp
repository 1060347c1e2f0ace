// tessoli-media: writes the game's media folder for a Scale, or the contact sheet of the set.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <sys/stat.h>

#include "tools/art.h"
#include "tools/icon.h"
#include "tools/media_set.h"
#include "tools/sound_gen.h"
#include "tools/tune_render.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: tessoli-media --scale 1|2 --out FOLDER\n"
                 "       tessoli-media --preview FILE.png\n"
                 "       tessoli-media --icons FOLDER   (FOLDER/SIZExSIZE/apps/tessoli.png)\n"
                 "       tessoli-media --web FOLDER     (the page's 1.ogg and its icons)\n");
    return 2;
}

// What the browser page has beside the media set: the tune it can play (a browser cannot play
// a module) and the icons its manifest and tab show.
bool write_web_files(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    mkdir(folder.c_str(), 0755);
    if (!write_file_if_changed(folder + "1.ogg", render_tune_ogg(build_module())))
        return false;
    for (int size : {32, 192, 512})
        if (!write_file_if_changed(folder + "icon-" + std::to_string(size) + ".png",
                                   icon_png(size)))
            return false;
    // The install prompt's pictures of the game: its splash and its board, as the page shows
    // them (Scale 2).
    return write_file_if_changed(folder + "icon-maskable-512.png", maskable_icon_png(512)) &&
           write_file_if_changed(folder + "icon-monochrome-512.png", monochrome_icon_png(512)) &&
           write_file_if_changed(folder + "screenshot-splash.png",
                                 encode_png(to_image(draw_splash(2)))) &&
           write_file_if_changed(folder + "screenshot-board.png",
                                 encode_png(to_image(draw_board(2))));
}

} // namespace

int main(int argc, char** argv) {
    int scale = 0;
    std::string out, preview, icons, web;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (i + 1 >= argc)
            return usage();
        if (arg == "--scale") {
            char* end = nullptr;
            long value = std::strtol(argv[++i], &end, 10);
            if (*end || (value != 1 && value != 2)) {
                std::fprintf(stderr, "tessoli-media: the Scale is 1 or 2, not %s\n", argv[i]);
                return 2;
            }
            scale = static_cast<int>(value);
        } else if (arg == "--out") {
            out = argv[++i];
        } else if (arg == "--icons") {
            icons = argv[++i];
        } else if (arg == "--web") {
            web = argv[++i];
        } else if (arg == "--preview") {
            preview = argv[++i];
        } else {
            return usage();
        }
    }
    if (preview.empty() && icons.empty() && web.empty() && (scale == 0 || out.empty()))
        return usage();
    try {
        if (!out.empty()) {
            if (scale == 0)
                return usage();
            std::string error;
            if (!write_media(build_media(scale), out, &error)) {
                std::fprintf(stderr, "tessoli-media: %s\n", error.c_str());
                return 1;
            }
        }
        if (!icons.empty()) {
            std::string error;
            if (!write_icon_theme(icons, &error)) {
                std::fprintf(stderr, "tessoli-media: %s\n", error.c_str());
                return 1;
            }
        }
        if (!web.empty() && !write_web_files(web)) {
            std::fprintf(stderr, "tessoli-media: cannot write into %s\n", web.c_str());
            return 1;
        }
        if (!preview.empty()) {
            bytes_t png = encode_png(build_preview());
            if (png.empty() || !write_file_if_changed(preview, png)) {
                std::fprintf(stderr, "tessoli-media: cannot write %s\n", preview.c_str());
                return 1;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tessoli-media: %s\n", e.what());
        return 1;
    }
    return 0;
}
