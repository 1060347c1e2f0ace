// How the sound library opens its music: the desktop plays the module itself, a browser plays the
// rendering of it the web build ships.
#pragma once

#include <cstddef>

// Opens a checked module of `length` bytes (kept alive by the caller while it is loaded) as the
// mixer's music, or nullptr. *reader gets what must stay open while the music is loaded (for
// close_music_reader), or nullptr when nothing must.
void* open_module_music(unsigned char* bytes, std::size_t length, void** reader);
void close_music_reader(void* reader);
