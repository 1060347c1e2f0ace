// tessoli-pack: lists, extracts and creates the game's packs, and puts a player's own pictures in
// as the level set.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "tools/image_io.h"
#include "tools/pack_io.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: tessoli-pack list NAME.def\n"
                 "       tessoli-pack extract NAME.def FOLDER\n"
                 "       tessoli-pack create NAME.def FILE...\n"
                 "       tessoli-pack levels MEDIA_FOLDER PICTURE...\n"
                 "  A pack is NAME.def (the index) beside NAME.pak (the data).\n"
                 "  levels: up to 20 JPEG or PNG pictures become level pictures 1.jpg, 2.jpg, ...\n"
                 "  in MEDIA_FOLDER/gfx.pak, cut to their centred square and scaled to the size\n"
                 "  the folder's config.tll asks for; the other level pictures stay.\n");
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

int levels(std::string folder, const std::vector<std::string>& pictures) {
    if (pictures.empty() || pictures.size() > 20)
        return fail("give 1 to 20 pictures");
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    bytes_t config;
    int reserved = 0, scale = 0;
    if (!read_whole_file(folder + "config.tll", &config))
        return fail("cannot read " + folder + "config.tll");
    std::string text(config.begin(), config.end());
    if (std::sscanf(text.c_str(), "%d %d", &reserved, &scale) != 2 || scale < 1 || scale > 16)
        return fail(folder + "config.tll holds no Scale from 1 to 16");
    std::vector<named_bytes> entries;
    std::string error;
    if (!read_pack(folder + "gfx.def", folder + "gfx.pak", &entries, &error))
        return fail(error);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        bytes_t data;
        rgb_image image;
        if (!read_whole_file(pictures[i], &data))
            return fail("cannot read " + pictures[i]);
        if (!decode_picture(data, &image, &error))
            return fail(pictures[i] + ": " + error);
        if (image.w < 1 || image.h < 1)
            return fail(pictures[i] + ": empty picture");
        bytes_t jpeg = encode_jpeg(square_crop_resize(image, 225 * scale), 92);
        std::string name = std::to_string(i + 1) + ".jpg";
        bool replaced = false;
        for (named_bytes& e : entries)
            if (e.name == name) {
                e.data = jpeg;
                replaced = true;
            }
        if (!replaced)
            entries.push_back({name, jpeg});
        std::printf("%s <- %s (%dx%d)\n", name.c_str(), pictures[i].c_str(), image.w, image.h);
    }
    if (!write_pack(folder, "gfx", entries, &error))
        return fail(error);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
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
    if (command == "levels" && rest.size() >= 2)
        return levels(rest[0], std::vector<std::string>(rest.begin() + 1, rest.end()));
    return usage();
}
