// Resource packs: reading a .def index and pulling one asset's bytes out of its .pak.
#include "res/pack.h"

#include <cctype>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/files.h"

PackIndex gfx;
PackIndex msx;

static char last_error[512] = "";

const char* pack_error() {
    return last_error;
}

// Joins folder and file into out (capacity 256); false when the result would not fit.
static bool join_path(char* out, const char* folder, const char* file) {
    size_t a = std::strlen(folder);
    size_t b = std::strlen(file);
    if (a + b > 255)
        return false;
    std::memcpy(out, folder, a);
    std::memcpy(out + a, file, b + 1);
    return true;
}

// One whitespace-separated token of any length; false at end of file before any character.
static bool read_token(std::FILE* f, std::string& token) {
    token.clear();
    int c;
    do {
        c = std::getc(f);
    } while (c != EOF && std::isspace(c));
    if (c == EOF)
        return false;
    while (c != EOF && !std::isspace(c)) {
        token.push_back(static_cast<char>(c));
        c = std::getc(f);
    }
    if (c != EOF)
        std::ungetc(c, f);
    return true;
}

// A decimal number into *value; on failure *value is untouched and the answer is false.
static bool read_number(std::FILE* f, int* value) {
    int read = 0;
    if (std::fscanf(f, "%d", &read) != 1)
        return false;
    *value = read;
    return true;
}

bool read_def_index(std::FILE* f, const char* def_path, PackIndex& pack, const def_options& options,
                    std::string* error) {
    std::string token;
    int i = 0;
    while (i < 1000) {
        pack.names[i][0] = '\0';
        bool got_name = read_token(f, token);
        // A number that fails to read (end of file) leaves its slot as it was.
        int offset = pack.offsets[i];
        int size = pack.sizes[i];
        bool numbers = read_number(f, &offset);
        numbers = read_number(f, &size) && numbers;
        if (got_name && !numbers && options.numbers_required && token != "end") {
            *error = std::string(def_path) + ": entry \"" + token + "\" lacks its offset or size";
            pack.count = i;
            return false;
        }
        if (got_name && token.size() > 31) {
            // Cutting it short could make it collide with another asset's name. The line shows
            // enough of it to find it, never a whole run of garbage.
            std::fprintf(stderr, "Name too long in %s: %.40s%s\n", def_path, token.c_str(),
                         token.size() > 40 ? "..." : "");
            continue;
        }
        if (got_name)
            std::memcpy(pack.names[i], token.c_str(), token.size() + 1);
        pack.offsets[i] = offset;
        pack.sizes[i] = size;
        if (std::strcmp(pack.names[i], "end") == 0)
            break;
        i++;
    }
    pack.count = i;
    return true;
}

void load_pack_index(PackIndex& pack, const char* folder, const char* pak_name,
                     const char* def_name) {
    char def_path[256];
    if (!join_path(def_path, folder, def_name)) {
        std::fprintf(stderr, "Couldn't load %s%s\n", folder, def_name);
        std::exit(1);
    }
    if (!join_path(pack.pak_path, folder, pak_name)) {
        // Without a usable .pak path the index would point nowhere; fail like a missing index.
        std::fprintf(stderr, "Couldn't load %s%s\n", folder, pak_name);
        std::exit(1);
    }
    std::string unused;
    if (!read_def_file(def_path, pack, def_options(), &unused)) {
        std::fprintf(stderr, "Couldn't load %s\n", unused.c_str());
        std::exit(1);
    }
}

bool read_def_file(const std::string& def_path, PackIndex& pack, const def_options& options,
                   std::string* error) {
    std::string text, why;
    if (read_regular_file(def_path, IndexFileLimit, &text, &why) != file_read::done) {
        *error = def_path + ": " + why;
        return false;
    }
    // fmemopen refuses an empty buffer; an empty index reads as one that ends at once.
    if (text.empty())
        text = " ";
    std::FILE* f = fmemopen(&text[0], text.size(), "r");
    if (!f) {
        *error = def_path + ": " + std::strerror(errno);
        return false;
    }
    bool read = read_def_index(f, def_path.c_str(), pack, options, error);
    std::fclose(f);
    return read;
}

__attribute__((format(printf, 1, 2))) static unsigned char* fail(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vsnprintf(last_error, sizeof last_error, format, args);
    va_end(args);
    return nullptr;
}

unsigned char* read_pack_entry(PackIndex& pack, const char* name, int* size) {
    *size = 0;
    last_error[0] = '\0';
    if (pack.count <= 0)
        return fail("the index of %s is empty", pack.pak_path);

    // The last real entry is never compared: it answers every name not found before it.
    int i = 0;
    while (i < pack.count - 1 && std::strcmp(pack.names[i], name) != 0)
        i++;

    // Each entry is said by its name and its pack, so a player can find the one to mend.
    const char* entry = pack.names[i];
    long long offset = pack.offsets[i];
    long long length = pack.sizes[i];
    if (offset < 0 || length < 0)
        return fail("entry \"%s\" in the index of %s: offset %lld, size %lld", entry, pack.pak_path,
                    offset, length);
    if (length == 0)
        return fail("entry \"%s\" in the index of %s is empty", entry, pack.pak_path);
    if (length > static_cast<long long>(PackEntryLimit))
        return fail("entry \"%s\" in the index of %s claims %lld bytes, more than any asset", entry,
                    pack.pak_path, length);

    bool not_regular = false;
    long long pak_size = -1;
    std::FILE* f = open_regular_file(pack.pak_path, &not_regular, &pak_size);
    if (!f)
        return fail(not_regular ? "can't open %s: not a regular file" : "can't open %s",
                    pack.pak_path);
    if (pak_size < 0 || offset + length > pak_size) {
        std::fclose(f);
        return fail("entry \"%s\" (offset %lld, size %lld) lies beyond the end of %s", entry,
                    offset, length, pack.pak_path);
    }
    // Packs are written one asset after another: an entry that shares part of another's bytes
    // (the same bytes twice are fine; entries outside the pack are refused on their own) comes
    // from a damaged or doctored index.
    for (int j = 0; j < pack.count; j++) {
        long long other = pack.offsets[j], other_length = pack.sizes[j];
        if (j == i || other_length <= 0 || other < 0 || other + other_length > pak_size ||
            (other == offset && other_length == length))
            continue;
        if (other < offset + length && offset < other + other_length) {
            std::fclose(f);
            return fail("entry \"%s\" in the index of %s overlaps entry \"%s\"", entry,
                        pack.pak_path, pack.names[j]);
        }
    }

    if (std::fseek(f, static_cast<long>(offset), SEEK_SET) != 0) {
        std::fclose(f);
        return fail("can't seek in %s", pack.pak_path);
    }
    unsigned char* buffer = static_cast<unsigned char*>(std::malloc(length > 0 ? length : 1));
    if (!buffer)
        std::exit(2);
    size_t got = std::fread(buffer, 1, static_cast<size_t>(length), f);
    std::fclose(f);
    if (got != static_cast<size_t>(length)) {
        std::free(buffer);
        return fail("short read from %s", pack.pak_path);
    }
    *size = static_cast<int>(length);
    return buffer;
}
