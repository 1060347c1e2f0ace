// The pack index and its concatenated data, written and read as the game expects them.
#include "tools/pack_io.h"

#include <cctype>
#include <cstdio>
#include <memory>

#include "res/pack.h"

bool valid_pack_name(const std::string& name, std::string* why) {
    if (name.empty() || name.size() > 31) {
        *why = "a pack name is 1 to 31 bytes long";
        return false;
    }
    for (unsigned char c : name)
        if (std::isspace(c) || c < 32) {
            *why = "a pack name holds no spaces or control characters";
            return false;
        }
    if (name == "end") {
        *why = "\"end\" closes the index and cannot name an entry";
        return false;
    }
    return true;
}

std::string make_def(const std::vector<named_bytes>& entries) {
    std::string def;
    std::size_t offset = 0;
    char line[96];
    for (const named_bytes& e : entries) {
        std::snprintf(line, sizeof line, "%s %zu %zu\n", e.name.c_str(), offset, e.data.size());
        def += line;
        offset += e.data.size();
    }
    def += "end 0 0\n";
    return def;
}

bytes_t make_pak(const std::vector<named_bytes>& entries) {
    bytes_t pak;
    for (const named_bytes& e : entries)
        pak.insert(pak.end(), e.data.begin(), e.data.end());
    return pak;
}

bool read_pack(const std::string& def_path, const std::string& pak_path,
               std::vector<named_bytes>* entries, std::string* error) {
    bytes_t pak;
    if (!read_whole_file(pak_path, &pak)) {
        *error = "cannot read " + pak_path;
        return false;
    }
    // The game's own reader, with the one wish of a tool: an entry without its numbers is an
    // error to report rather than a slot left as it was.
    std::unique_ptr<PackIndex> index(new PackIndex());
    def_options options;
    options.numbers_required = true;
    bool read = read_def_file(def_path, *index, options, error);
    if (!read)
        return false;
    entries->clear();
    for (int i = 0; i < index->count; ++i) {
        // Past the end of the file the game's slots are nameless; no lookup can ask for them.
        if (index->names[i][0] == '\0')
            break;
        long long offset = index->offsets[i];
        long long size = index->sizes[i];
        std::string name = index->names[i];
        if (offset < 0 || size < 0 || static_cast<unsigned long long>(offset + size) > pak.size()) {
            *error = def_path + ": entry \"" + name + "\" lies outside " + pak_path;
            return false;
        }
        entries->push_back({name, bytes_t(pak.begin() + offset, pak.begin() + offset + size)});
    }
    return true;
}

bool write_pack(const std::string& folder, const std::string& name,
                const std::vector<named_bytes>& entries, std::string* error) {
    for (const named_bytes& e : entries) {
        std::string why;
        if (!valid_pack_name(e.name, &why)) {
            *error = e.name + ": " + why;
            return false;
        }
    }
    // Both files are written in full beside the old ones before either takes its name, so a
    // failure on the way leaves the pack as it was.
    std::string def = make_def(entries);
    const std::string paths[2] = {folder + name + ".pak", folder + name + ".def"};
    const bytes_t data[2] = {make_pak(entries), bytes_t(def.begin(), def.end())};
    bool changed[2] = {false, false};
    for (int k = 0; k < 2; ++k) {
        bytes_t old;
        changed[k] = !read_whole_file(paths[k], &old) || old != data[k];
        if (changed[k] && !write_new_file(paths[k] + ".new", data[k])) {
            for (int j = 0; j <= k; ++j)
                std::remove((paths[j] + ".new").c_str());
            *error = "cannot write " + paths[k];
            return false;
        }
    }
    for (int k = 0; k < 2; ++k)
        if (changed[k] && std::rename((paths[k] + ".new").c_str(), paths[k].c_str()) != 0) {
            std::remove((paths[k] + ".new").c_str());
            *error = "cannot replace " + paths[k];
            return false;
        }
    return true;
}
