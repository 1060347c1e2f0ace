// Resource packs: the .def index of a .pak and the bytes of one named asset.
#pragma once

#include <cstdio>
#include <string>

struct PackIndex {
    char names[1000][32];
    int offsets[1000];
    int sizes[1000];
    int count;
    char pak_path[256];
};

extern PackIndex gfx;
extern PackIndex msx;

// What a reader of a .def index asks beyond the game's rules, which are: whitespace-separated
// "name offset size" entries up to the one named "end" or 1000 entries; a number that fails to
// read leaves its slot as it was; a name over 31 bytes is said on the error stream and skipped;
// past the end of the file the remaining slots are nameless.
struct def_options {
    // An entry whose offset or size does not read is refused with a reason (the pack tool).
    bool numbers_required = false;
};

// Reads the index in f (opened from def_path) into pack. False only when an option refuses an
// entry; *error then says why.
bool read_def_index(std::FILE* f, const char* def_path, PackIndex& pack, const def_options& options,
                    std::string* error);

// Reads the index file at def_path into pack through the guarded way in: a regular file of at most
// IndexFileLimit bytes, read whole. False with *error naming the file and the reason otherwise.
bool read_def_file(const std::string& def_path, PackIndex& pack, const def_options& options,
                   std::string* error);

// Ends the process with status 1 and one line when the .def cannot be read.
void load_pack_index(PackIndex& pack, const char* folder, const char* pak_name,
                     const char* def_name);

// A new buffer (release with free()) holding the asset's bytes, its length in *size.
// Null when the .pak is missing or not a regular file, or the entry is empty, larger than any
// asset (PackEntryLimit), partly overlaps another entry or does not lie inside the .pak;
// pack_error() then says why, naming the entry and the pack.
unsigned char* read_pack_entry(PackIndex& pack, const char* name, int* size);
const char* pack_error();
