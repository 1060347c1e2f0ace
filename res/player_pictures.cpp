// The player's pictures: listing the folder, reading a picture whole, and the cache of ready ones.
#include "res/player_pictures.h"

#include <algorithm>
#include <cctype>
#include <cinttypes>
#include <cstdio>
#include <dirent.h>
#include <sys/stat.h>

#include "platform/files.h"
#include "platform/image_pixels.h"
#include "platform/picture_size.h"
#include "res/photo.h"
#include "res/save_folder.h"

namespace {

bool picture_name(const std::string& name) {
    if (name.empty() || name[0] == '.')
        return false;
    std::string lower = name;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* end : {".jpg", ".jpeg", ".png"}) {
        std::string e(end);
        if (lower.size() > e.size() && lower.compare(lower.size() - e.size(), e.size(), e) == 0)
            return true;
    }
    return false;
}

// The whole file, when it is a regular file no bigger than the limit.
bool read_picture_file(const std::string& path, std::string* bytes, std::string* why) {
    if (read_regular_file(path, PlayerPictureFileLimit, bytes, why) != file_read::done)
        return false;
    if (bytes->empty()) {
        *why = "an empty file";
        return false;
    }
    return true;
}

// A 24-bit BMP, as every platform's decoder reads it.
std::string bmp_of(const rgb_image& im) {
    const std::uint32_t row = static_cast<std::uint32_t>(im.w) * 3, pad = (4 - row % 4) % 4;
    const std::uint32_t data = (row + pad) * static_cast<std::uint32_t>(im.h);
    std::string b;
    auto put = [&b](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            b.push_back(static_cast<char>((v >> (8 * i)) & 255));
    };
    b += "BM";
    put(54 + data, 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(static_cast<std::uint32_t>(im.w), 4);
    put(static_cast<std::uint32_t>(im.h), 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(data, 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    for (int y = im.h - 1; y >= 0; --y) {
        for (int x = 0; x < im.w; ++x) {
            const std::uint8_t* p = &im.pixels[(static_cast<std::size_t>(y) * im.w + x) * 3];
            b.push_back(static_cast<char>(p[2]));
            b.push_back(static_cast<char>(p[1]));
            b.push_back(static_cast<char>(p[0]));
        }
        b.append(pad, '\0');
    }
    return b;
}

std::string cache_file(const std::string& hash, int size) {
    return PlayerPicturesCache + hash + "-" + std::to_string(size) + ".bmp";
}

} // namespace

std::vector<std::string> list_player_pictures() {
    std::vector<std::string> names;
    if (PlayerPicturesFolder.empty())
        return names;
    DIR* dir = opendir(PlayerPicturesFolder.c_str());
    if (!dir)
        return names;
    while (const dirent* e = readdir(dir))
        if (e->d_type != DT_DIR && picture_name(e->d_name))
            names.push_back(e->d_name);
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

std::string picture_content_name(const std::string& bytes) {
    std::uint64_t h = 1469598103934665603ull; // 64-bit FNV-1a
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016" PRIx64, h);
    return text;
}

std::string cached_player_picture(const std::string& hash, int size) {
    if (PlayerPicturesCache.empty() || hash.empty())
        return std::string();
    std::string path = cache_file(hash, size);
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) ? path : std::string();
}

namespace {

// Whether the bytes are a JPEG or PNG of a size the game decodes, from their header alone.
bool picture_bytes_ok(const std::string& bytes, std::string* why) {
    return photo_acceptable(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                            why);
}

// The named picture's bytes, when it is a JPEG or PNG of a size the game decodes.
bool read_player_picture(const std::string& name, std::string* bytes, std::string* why) {
    if (name.find('/') != std::string::npos || !picture_name(name)) {
        *why = "not a picture's name";
        return false;
    }
    return read_picture_file(PlayerPicturesFolder + name, bytes, why) &&
           picture_bytes_ok(*bytes, why);
}

// A name in the folder for the bytes: the file's own, or with -2, -3 ... before its ending when
// another picture has it; empty when the same picture is there already.
std::string free_name(const std::string& name, const std::string& bytes) {
    std::string::size_type dot = name.rfind('.');
    for (int n = 1; n < 1000; ++n) {
        std::string candidate =
            n == 1 ? name : name.substr(0, dot) + "-" + std::to_string(n) + name.substr(dot);
        std::string there, why;
        struct stat st;
        if (lstat((PlayerPicturesFolder + candidate).c_str(), &st) != 0)
            return candidate;
        if (read_picture_file(PlayerPicturesFolder + candidate, &there, &why) && there == bytes)
            return std::string();
    }
    return std::string();
}

} // namespace

bool check_player_picture(const std::string& name, std::string* hash, std::string* why) {
    std::string bytes;
    if (!read_player_picture(name, &bytes, why))
        return false;
    *hash = picture_content_name(bytes);
    return true;
}

bool prepare_player_picture(const std::string& name, int size, std::string* hash, std::string* path,
                            std::string* why) {
    std::string bytes;
    if (!read_player_picture(name, &bytes, why))
        return false;
    std::string content = picture_content_name(bytes);
    if (!hash->empty() && *hash != content) {
        *why = "no longer the same picture";
        return false;
    }
    *hash = content;
    *path = cached_player_picture(content, size);
    if (!path->empty())
        return true;
    const unsigned char* data = reinterpret_cast<const unsigned char*>(bytes.data());
    rgb_image image;
    if (!decode_rgb_pixels(data, bytes.size(), &image.pixels, &image.w, &image.h, why))
        return false;
    if (image.w < 1 || image.h < 1) {
        *why = "an empty picture";
        return false;
    }
    image = upright(image, photo_orientation(data, bytes.size()));
    rgb_image level = square_crop_resize(image, size);
    *path = cache_file(content, size);
    if (!make_save_folder(PlayerPicturesCache, "picture cache") ||
        !replace_file(*path, bmp_of(level), why)) {
        path->clear();
        if (why->empty())
            *why = "the picture cache cannot be written";
        return false;
    }
    return true;
}

int add_player_pictures(const std::string& dropped) {
    if (PlayerPicturesFolder.empty())
        return 0;
    std::vector<std::string> files;
    struct stat st;
    if (stat(dropped.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        if (DIR* dir = opendir(dropped.c_str())) {
            while (const dirent* e = readdir(dir))
                if (picture_name(e->d_name))
                    files.push_back(dropped + (dropped.back() == '/' ? "" : "/") + e->d_name);
            closedir(dir);
        }
        std::sort(files.begin(), files.end());
    } else {
        files.push_back(dropped);
    }
    int added = 0;
    for (const std::string& file : files) {
        std::string name = file.substr(file.rfind('/') + 1), bytes, why;
        bool ok = picture_name(name)
                      ? read_picture_file(file, &bytes, &why) && picture_bytes_ok(bytes, &why)
                      : (why = "not a JPEG or PNG picture", false);
        std::string target = ok ? free_name(name, bytes) : std::string();
        if (ok && !target.empty())
            ok = make_save_folder(PlayerPicturesFolder, "pictures folder") &&
                 replace_file(PlayerPicturesFolder + target, bytes, &why);
        if (!ok)
            std::fprintf(stderr, "Couldn't add %s to your pictures: %s\n", file.c_str(),
                         why.empty() ? "the pictures folder cannot be made" : why.c_str());
        else if (!target.empty())
            added++;
    }
    if (added)
        std::fprintf(stderr, "Added %d picture%s to %s\n", added, added == 1 ? "" : "s",
                     PlayerPicturesFolder.c_str());
    return added;
}
