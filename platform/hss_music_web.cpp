// The browser's music: it cannot decode a module, so it plays the tune the media builder rendered
// ahead of time (one pass, joined end to start), which the web build preloads beside the media.
#include "platform/hss_music.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <string>
#include <vector>

#include "platform/files.h"

namespace {

const char kRenderedTune[] = "/media/1.ogg";

bool read_rendering(std::vector<unsigned char>& bytes) {
    std::string text;
    if (read_regular_file(kRenderedTune, SoundFileLimit, &text) != file_read::done || text.empty())
        return false;
    bytes.assign(text.begin(), text.end());
    return true;
}

} // namespace

// The module has been checked by the caller (a damaged one stays silent here too); what plays is
// its rendering. The browser's mixer copies the bytes while loading, so nothing stays open. Its
// readers are small numbers that may be 0 and are freed, never closed (closing one crashes).
void* open_module_music(unsigned char*, std::size_t, void** reader) {
    *reader = nullptr;
    std::vector<unsigned char> bytes;
    if (!read_rendering(bytes))
        return nullptr;
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
    Mix_Music* music = Mix_LoadMUS_RW(rw);
    SDL_FreeRW(rw);
    return music;
}

void close_music_reader(void* reader) {
    SDL_FreeRW(static_cast<SDL_RWops*>(reader));
}

void music_volume_set(int volume) {
    if (volume == 0)
        Mix_PauseMusic();
    else if (Mix_PausedMusic())
        Mix_ResumeMusic();
}
