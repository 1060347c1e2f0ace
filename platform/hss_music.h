// How the sound library opens its music: the desktop plays the module itself, a browser plays the
// rendering of it the web build ships.
#pragma once

#include <cstddef>

// Opens a checked module of `length` bytes (kept alive by the caller while it is loaded) as the
// mixer's music, or nullptr. *reader gets what must stay open while the music is loaded (for
// close_music_reader), or nullptr when nothing must.
void* open_module_music(unsigned char* bytes, std::size_t length, void** reader);
void close_music_reader(void* reader);

// Called after the music's volume was set (0 to 128) and after it starts: a page pauses a tune
// played at volume 0 rather than decode it for nobody (a phone's battery); the desktop's mixer
// plays on silently as before.
void music_volume_set(int volume);
