// Puts one Scale's media set together and writes it into a media folder.
#include "tools/media_set.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include "tools/art.h"
#include "tools/icon.h"
#include "tools/pack_io.h"

namespace {

bytes_t text_bytes(const std::string& s) {
    return bytes_t(s.begin(), s.end());
}

bytes_t jpeg(const canvas& c) {
    return encode_jpeg(to_image(c), 92);
}

bool make_folder(const std::string& path, std::string* error) {
    // Each missing parent first, like mkdir -p.
    for (std::size_t i = 1; i <= path.size(); ++i) {
        if (i < path.size() && path[i] != '/')
            continue;
        std::string part = path.substr(0, i);
        if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) {
            *error = "cannot make the folder " + part + ": " + std::strerror(errno);
            return false;
        }
    }
    struct stat st;
    if (stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        *error = path + " is not a folder";
        return false;
    }
    return true;
}

} // namespace

media_set build_media(int scale) {
    media_set set;
    set.scale = scale;
    set.small_font = build_small_font(scale);
    set.big_font = build_big_font(scale);

    set.gfx.push_back({"donate.jpg", jpeg(draw_splash(scale))});
    set.gfx.push_back({"loading.jpg", jpeg(draw_loading(scale))});
    set.gfx.push_back({"gra.jpg", jpeg(draw_board(scale))});
    set.gfx.push_back({"goodwork.jpg", jpeg(draw_goodwork(scale))});
    set.gfx.push_back({"intro.jpg", jpeg(draw_intro(scale))});
    set.gfx.push_back({"czas.jpg", encode_jpeg(to_image(draw_timebar(scale)), 95)});
    set.gfx.push_back({"verdana20b.bmp", encode_bmp8(set.small_font.image)});
    set.gfx.push_back({"nerwus36.bmp", encode_bmp8(set.big_font.image)});
    set.gfx.push_back({"part.bmp", encode_bmp8(draw_spark(scale, false))});
    set.gfx.push_back({"part2.bmp", encode_bmp8(draw_spark(scale, true))});
    set.gfx.push_back({"rakieta1.bmp", encode_bmp8(draw_rockets(scale, false))});
    set.gfx.push_back({"rakieta2.bmp", encode_bmp8(draw_rockets(scale, true))});
    for (int n = 1; n <= kLevelCount; ++n)
        set.gfx.push_back({std::to_string(n) + ".jpg", jpeg(draw_level(n, scale))});

    set.msx = build_sounds();
    set.msx.push_back({"1.mod", build_module()});

    char config[64];
    std::snprintf(config, sizeof config, "0 %d %d %d\n", scale, 240 * scale, 320 * scale);
    set.loose.push_back({"config.tll", text_bytes(config)});
    set.loose.push_back({"verdana20b.txt", text_bytes(set.small_font.metrics)});
    set.loose.push_back({"nerwus36.txt", text_bytes(set.big_font.metrics)});
    set.loose.push_back({"icon.bmp", icon_bmp()}); // the window's icon
    return set;
}

bool write_media(const media_set& set, const std::string& folder_in, std::string* error) {
    std::string folder = folder_in;
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    if (!make_folder(folder, error))
        return false;
    folder += '/';
    if (!write_pack(folder, "gfx", set.gfx, error) || !write_pack(folder, "msx", set.msx, error))
        return false;
    for (const named_bytes& f : set.loose)
        if (!write_file_if_changed(folder + f.name, f.data)) {
            *error = "cannot write " + folder + f.name;
            return false;
        }
    return true;
}
