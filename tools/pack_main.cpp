// tessoli-pack: lists, extracts and creates the game's packs, and puts a player's own pictures in
// as the level set.
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>

#include "platform/files.h"
#include "platform/numbers.h"
#include "tools/image_io.h"
#include "tools/pack_io.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: tessoli-pack list NAME.def\n"
                 "       tessoli-pack extract NAME.def FOLDER\n"
                 "       tessoli-pack create NAME.def FILE...\n"
                 "       tessoli-pack levels [--only] MEDIA_FOLDER PICTURE_OR_FOLDER...\n"
                 "  A pack is NAME.def (the index) beside NAME.pak (the data).\n"
                 "  levels: up to 20 JPEG or PNG pictures (a folder: every one in it, by name)\n"
                 "  become level pictures 1.jpg, 2.jpg, ... in MEDIA_FOLDER/gfx.pak, turned\n"
                 "  upright as the camera recorded, cut to their centred square and scaled to the\n"
                 "  size the folder's config.tll asks for; the other level pictures stay.\n"
                 "  --only fills all 20 levels with them, repeating them in order. Nothing is\n"
                 "  changed when any picture cannot be read.\n");
    return 2;
}

std::string pak_of(const std::string& def) {
    std::string base = def;
    if (base.size() > 4 && base.compare(base.size() - 4, 4, ".def") == 0)
        base.resize(base.size() - 4);
    return base + ".pak";
}

std::string base_name(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string folder_of(const std::string& def) {
    std::size_t slash = def.find_last_of('/');
    return slash == std::string::npos ? std::string() : def.substr(0, slash + 1);
}

int fail(const std::string& message) {
    std::fprintf(stderr, "tessoli-pack: %s\n", message.c_str());
    return 1;
}

int list(const std::string& def) {
    std::vector<named_bytes> entries;
    std::string error;
    if (!read_pack(def, pak_of(def), &entries, &error))
        return fail(error);
    std::size_t offset = 0;
    for (const named_bytes& e : entries) {
        std::printf("%-31s %10zu %10zu\n", e.name.c_str(), offset, e.data.size());
        offset += e.data.size();
    }
    std::printf("%zu entries\n", entries.size());
    return 0;
}

int extract(const std::string& def, std::string folder) {
    std::vector<named_bytes> entries;
    std::string error;
    if (!read_pack(def, pak_of(def), &entries, &error))
        return fail(error);
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    if (!folder.empty() && mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST)
        return fail("cannot make the folder " + folder);
    for (const named_bytes& e : entries) {
        // A name with a path in it would write outside the folder.
        if (e.name.find('/') != std::string::npos || e.name == "." || e.name == "..")
            return fail("refusing to extract the entry \"" + e.name + "\"");
        if (!write_file_if_changed(folder + e.name, e.data))
            return fail("cannot write " + folder + e.name);
    }
    std::printf("%zu files written to %s\n", entries.size(), folder.empty() ? "." : folder.c_str());
    return 0;
}

int create(const std::string& def, const std::vector<std::string>& files) {
    std::vector<named_bytes> entries;
    for (const std::string& f : files) {
        named_bytes e{base_name(f), {}};
        std::string why;
        if (!valid_pack_name(e.name, &why))
            return fail(f + ": " + why);
        for (const named_bytes& other : entries)
            if (other.name == e.name)
                return fail("two files are named " + e.name);
        if (!read_whole_file(f, &e.data))
            return fail("cannot read " + f);
        entries.push_back(e);
    }
    std::string error;
    std::string folder = folder_of(def), name = base_name(def);
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".def") == 0)
        name.resize(name.size() - 4);
    if (!write_pack(folder, name, entries, &error))
        return fail(error);
    std::printf("%zu entries in %s\n", entries.size(), def.c_str());
    return 0;
}

bool picture_name(const std::string& name) {
    std::string lower;
    for (char ch : name)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    for (const char* ext : {".jpg", ".jpeg", ".png"}) {
        std::size_t n = std::strlen(ext);
        if (lower.size() > n && lower.compare(lower.size() - n, n, ext) == 0)
            return true;
    }
    return false;
}

// The pictures the arguments name: a file as it is, a folder as every JPEG and PNG directly in
// it, sorted by name. A folder inside a folder is refused (one line each); false when any is.
bool gather_pictures(const std::vector<std::string>& args, std::vector<std::string>* out) {
    bool ok = true;
    for (const std::string& arg : args) {
        struct stat st;
        if (stat(arg.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
            out->push_back(arg); // read (and its faults told) with the others
            continue;
        }
        DIR* dir = opendir(arg.c_str());
        if (!dir) {
            fail(arg + ": cannot open the folder: " + std::strerror(errno));
            ok = false;
            continue;
        }
        std::vector<std::string> names;
        while (dirent* e = readdir(dir))
            if (e->d_name[0] != '.')
                names.push_back(e->d_name);
        closedir(dir);
        std::sort(names.begin(), names.end());
        std::string prefix = arg.back() == '/' ? arg : arg + '/';
        for (const std::string& name : names) {
            std::string path = prefix + name;
            if (stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
                fail(path + ": a folder inside a folder; give it on its own to take its pictures");
                ok = false;
            } else if (picture_name(name)) {
                out->push_back(path);
            }
        }
    }
    return ok;
}

// Reads the level size from the folder's config.tll, 225 x Scale.
bool level_size(const std::string& folder, int* size) {
    bytes_t config;
    std::string why;
    int reserved = 0, scale = 0;
    if (!read_whole_file(folder + "config.tll", &config, &why, ConfigFileLimit)) {
        fail(folder + "config.tll: " + why);
        return false;
    }
    std::string text(config.begin(), config.end());
    number_reader in(text);
    if (in.next_int(&reserved) != number_read::done || in.next_int(&scale) != number_read::done ||
        scale < 1 || scale > 16) {
        fail(folder + "config.tll holds no Scale from 1 to 16");
        return false;
    }
    *size = 225 * scale;
    return true;
}

// Every picture is read and checked before anything is written: on any fault the packs stay as
// they were, byte for byte.
int levels(std::string folder, const std::vector<std::string>& args, bool only) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    int size = 0;
    if (!level_size(folder, &size))
        return 1;
    std::vector<named_bytes> entries;
    std::string error;
    if (!read_pack(folder + "gfx.def", folder + "gfx.pak", &entries, &error))
        return fail(error);
    std::vector<std::string> pictures;
    bool ok = gather_pictures(args, &pictures);
    if (ok && pictures.empty())
        return fail("no JPEG or PNG pictures given");
    if (pictures.size() > 20) {
        std::fprintf(stderr,
                     "tessoli-pack: %zu pictures given; the first 20 are used, the other %zu "
                     "left out\n",
                     pictures.size(), pictures.size() - 20);
        pictures.resize(20);
    }
    std::vector<bytes_t> levels_jpeg;
    for (const std::string& path : pictures) {
        bytes_t data;
        rgb_image image;
        std::string why;
        bool read = read_whole_file(path, &data, &why, PictureFileLimit) &&
                    decode_picture(data, &image, &why);
        if (read && (image.w < 1 || image.h < 1)) {
            why = "an empty picture";
            read = false;
        }
        if (!read) {
            fail(path + ": " + why);
            ok = false;
            continue;
        }
        if (std::min(image.w, image.h) < size)
            std::fprintf(stderr,
                         "tessoli-pack: %s: warning: %d x %d is smaller than a level (%d x %d); "
                         "it is enlarged and will look soft\n",
                         path.c_str(), image.w, image.h, size, size);
        image = upright(image, photo_orientation(data.data(), data.size()));
        levels_jpeg.push_back(encode_jpeg(square_crop_resize(image, size), 92));
        std::printf("%s (%dx%d)\n", path.c_str(), image.w, image.h);
    }
    if (!ok)
        return fail("nothing changed in " + folder + "gfx.pak");
    // --only fills all twenty levels, the pictures repeating in order.
    std::size_t count = only ? 20 : levels_jpeg.size();
    for (std::size_t i = 0; i < count; ++i) {
        std::string name = std::to_string(i + 1) + ".jpg";
        const bytes_t& jpeg = levels_jpeg[i % levels_jpeg.size()];
        bool replaced = false;
        for (named_bytes& e : entries)
            if (e.name == name) {
                e.data = jpeg;
                replaced = true;
            }
        if (!replaced)
            entries.push_back({name, jpeg});
    }
    if (!write_pack(folder, "gfx", entries, &error))
        return fail(error);
    std::printf("levels 1 to %zu of %sgfx.pak hold your pictures\n", count, folder.c_str());
    return 0;
}

} // namespace

int run(int argc, char** argv) {
    if (argc < 3)
        return usage();
    std::string command = argv[1];
    std::vector<std::string> rest(argv + 2, argv + argc);
    if (command == "list" && rest.size() == 1)
        return list(rest[0]);
    if (command == "extract" && rest.size() == 2)
        return extract(rest[0], rest[1]);
    if (command == "create" && rest.size() >= 2)
        return create(rest[0], std::vector<std::string>(rest.begin() + 1, rest.end()));
    if (command == "levels") {
        bool only = false;
        std::vector<std::string> args;
        for (const std::string& a : rest)
            if (a == "--only")
                only = true;
            else
                args.push_back(a);
        if (args.size() >= 2)
            return levels(args[0], std::vector<std::string>(args.begin() + 1, args.end()), only);
    }
    return usage();
}

int main(int argc, char** argv) {
    // Nothing may end the tool unexplained: an error nobody foresaw is one line and status 1.
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        return fail(e.what());
    } catch (...) {
        return fail("unexpected error");
    }
}
