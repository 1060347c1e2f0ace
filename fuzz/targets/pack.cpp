// Fuzz target: a .def index and its .pak, read back entry by entry.
#include <cstdlib>
#include <cstring>

#include "fuzz_support.h"
#include "res/pack.h"

// The input is the .def text, a zero byte, then the .pak bytes (no zero byte: an empty .pak).
int fuzz_pack(const uint8_t* data, size_t size) {
    const uint8_t* zero = static_cast<const uint8_t*>(std::memchr(data, 0, size));
    size_t def_size = zero ? static_cast<size_t>(zero - data) : size;
    const uint8_t* pak = zero ? zero + 1 : data + size;
    size_t pak_size = zero ? size - def_size - 1 : 0;

    const std::string& folder = fuzz_folder();
    fuzz_write(folder + "fuzz.def", data, def_size);
    fuzz_write(folder + "fuzz.pak", pak, pak_size);

    // The game's indexes are globals that start zeroed; so does this one, on every run.
    static PackIndex index;
    std::memset(&index, 0, sizeof index);
    load_pack_index(index, folder.c_str(), "fuzz.pak", "fuzz.def");
    FUZZ_CHECK(index.count >= 0 && index.count <= 1000);
    FUZZ_CHECK(std::strcmp(index.pak_path, (folder + "fuzz.pak").c_str()) == 0);
    for (int i = 0; i < index.count; i++) {
        FUZZ_CHECK(std::memchr(index.names[i], 0, sizeof index.names[i]) != nullptr);
        FUZZ_CHECK(std::strcmp(index.names[i], "end") != 0);
    }

    // Every entry by its name, and one name that is not there (which gets the last entry).
    int asks = index.count < 64 ? index.count : 64;
    for (int k = 0; k <= asks; k++) {
        const char* name = k < asks ? index.names[k] : "no such asset";
        int got = -1;
        unsigned char* bytes = read_pack_entry(index, name, &got);
        if (!bytes) {
            FUZZ_CHECK(got == 0);
            FUZZ_CHECK(pack_error()[0] != '\0');
            continue;
        }
        // The entry the lookup must have chosen: the first with that name, else the last.
        int i = 0;
        while (i < index.count - 1 && std::strcmp(index.names[i], name) != 0)
            i++;
        long long offset = index.offsets[i];
        long long length = index.sizes[i];
        FUZZ_CHECK(got == length);
        FUZZ_CHECK(offset >= 0 && length >= 0 &&
                   offset + length <= static_cast<long long>(pak_size));
        FUZZ_CHECK(length == 0 ||
                   std::memcmp(bytes, pak + offset, static_cast<size_t>(length)) == 0);
        std::free(bytes);
    }
    return 0;
}
