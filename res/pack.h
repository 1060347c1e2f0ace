// Resource packs: the .def index of a .pak and the bytes of one named asset.
#pragma once

struct PackIndex {
    char names[1000][32];
    int offsets[1000];
    int sizes[1000];
    int count;
    char pak_path[256];
};

extern PackIndex gfx;
extern PackIndex msx;

// Ends the process when the .def cannot be opened.
void load_pack_index(PackIndex& pack, const char* folder, const char* pak_name,
                     const char* def_name);

// A new buffer (release with free()) holding the asset's bytes, its length in *size.
// Null when the .pak is missing or the entry does not lie inside it; pack_error() then says why.
unsigned char* read_pack_entry(PackIndex& pack, const char* name, int* size);
const char* pack_error();
