// Writing and reading the game's packs: a .def text index ("name offset size" lines, then
// "end 0 0") and the .pak concatenation of the files it names.
#pragma once

#include <string>
#include <vector>

#include "tools/sound_gen.h"

// Names the game can hold: at most 31 bytes, no white space, not "end".
bool valid_pack_name(const std::string& name, std::string* why);

std::string make_def(const std::vector<named_bytes>& entries);
bytes_t make_pak(const std::vector<named_bytes>& entries);

// Reads a pack with the game's own reader (res/pack.h: tokens up to "end", at most 1000 entries,
// over-long names said and skipped) and takes every entry's bytes out of the .pak. False with a
// reason when the index or the .pak is broken, or an entry lacks its offset or size.
bool read_pack(const std::string& def_path, const std::string& pak_path,
               std::vector<named_bytes>* entries, std::string* error);

// Writes name.def and name.pak into folder (which ends with '/').
bool write_pack(const std::string& folder, const std::string& name,
                const std::vector<named_bytes>& entries, std::string* error);
