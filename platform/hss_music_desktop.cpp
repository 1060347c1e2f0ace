// The desktop's music: SDL_mixer plays the module from the bytes the game loaded.
#include "platform/hss_music.h"

#include <SDL.h>
#include <SDL_mixer.h>

void* open_module_music(unsigned char* bytes, std::size_t length, void** reader) {
    *reader = nullptr;
    SDL_RWops* rw = SDL_RWFromConstMem(bytes, int(length));
    if (!rw)
        return nullptr;
    // Named as a module outright: guessing from the first bytes takes some modules for other kinds.
    Mix_Music* music = Mix_LoadMUSType_RW(rw, MUS_MOD, 0);
    if (!music) {
        SDL_RWclose(rw);
        return nullptr;
    }
    *reader = rw;
    return music;
}

void close_music_reader(void* reader) {
    SDL_RWclose(static_cast<SDL_RWops*>(reader));
}

void music_volume_set(int) {}
