// The game's sound side: the sound settings and loading and playing the music and the effects.
#include "res/audio.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/hss.h"
#include "res/pack.h"

int music_off = 0;
int sounds_off = 0;
int music_volume = 0;
int sound_volume = 0;

void (*play_sound_observer)(hssSound* sound, int channel) = nullptr;

namespace {

// The library takes paths as UTF-16 units. Characters come from the current locale as mbstowcs
// reads them; a byte the locale can't read (any byte above 0x7F in the plain C locale, as in a
// UTF-8 folder name) travels as the lone unit 0xDC00 + byte, which the library turns back into
// that byte, so any path the file system holds reaches the file.
std::vector<unsigned short> wide_path(const std::string& path) {
    std::vector<unsigned short> wide;
    wide.reserve(path.size() + 1);
    std::mbstate_t state{};
    const char* p = path.c_str();
    std::size_t left = path.size();
    while (left > 0) {
        wchar_t c = 0;
        std::size_t n = std::mbrtowc(&c, p, left, &state);
        if (n == std::size_t(-1) || n == std::size_t(-2) || n == 0) {
            wide.push_back(static_cast<unsigned short>(0xDC00 + static_cast<unsigned char>(*p)));
            state = std::mbstate_t{};
            ++p;
            --left;
            continue;
        }
        std::uint32_t code = static_cast<std::uint32_t>(c);
        if (code >= 0x10000) {
            code -= 0x10000;
            wide.push_back(static_cast<unsigned short>(0xD800 + (code >> 10)));
            wide.push_back(static_cast<unsigned short>(0xDC00 + (code & 0x3FF)));
        } else {
            wide.push_back(static_cast<unsigned short>(code));
        }
        p += n;
        left -= n;
    }
    wide.push_back(0);
    return wide;
}

// Loose file when the sound pack is empty, else the pack entry; a missing or damaged entry
// leaves the object silent, like any failed load.
template <class Object> void load_audio(Object& object, const char* folder, const char* name) {
    if (msx.count == 0) {
        std::vector<unsigned short> wide = wide_path(std::string(folder) + name);
        object.load(wide.data());
        return;
    }
    int size = 0;
    unsigned char* bytes = read_pack_entry(msx, name, &size);
    if (!bytes)
        return;
    object.load(bytes, true, size > 0 ? std::size_t(size) : 0);
    std::free(bytes);
}

} // namespace

void set_audio(int music_off_value, int sounds_off_value, int music_volume_value,
               int sound_volume_value) {
    music_off = music_off_value;
    sounds_off = sounds_off_value;
    music_volume = music_volume_value;
    sound_volume = sound_volume_value;
}

void load_music(hssMusic& music, const char* folder, const char* name) {
    load_audio(music, folder, name);
}

void load_sound(hssSound& sound, const char* folder, const char* name) {
    load_audio(sound, folder, name);
}

void play_music(hssMusic& music) {
    music.loop(true);
    speaker.volumeMusics(music_volume / 2);
    if (music_off == 0)
        speaker.playMusic(&music, 0x10000000);
}

void play_sound(hssSound& sound, int channel) {
    if (play_sound_observer)
        play_sound_observer(&sound, channel);
    speaker.volumeSounds(sound_volume / 2);
    if (sounds_off == 0)
        speaker.playSound(&sound, channel);
}

void toggle_sound() {
    static int music_kept = 128, sound_kept = 128;
    if (music_volume > 0 || sound_volume > 0) {
        music_kept = music_volume;
        sound_kept = sound_volume;
        music_volume = sound_volume = 0;
    } else {
        music_volume = music_kept;
        sound_volume = sound_kept;
    }
    speaker.volumeMusics(music_volume / 2);
    speaker.volumeSounds(sound_volume / 2);
}

void shutdown_audio() {
    for (hssSound& sound : Sounds)
        sound.release();
    Music.release();
    speaker.close();
}
