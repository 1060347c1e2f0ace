// Our sound library over SDL_mixer 1.2: the device, checked loading of WAV sounds and MOD music,
// playing.
#include "platform/hss.h"
#include "platform/hss_music.h"

#include "platform/files.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// The mixer is one per process, so the open device and everything loaded on it are too.
hssSpeaker* open_speaker = nullptr;
hssSound* loaded_sounds = nullptr;
hssMusic* loaded_musics = nullptr;

bool device_open() {
    return open_speaker != nullptr;
}

unsigned int clamp_volume(unsigned int volume) {
    return volume > 64 ? 64 : volume;
}

std::uint32_t le32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24);
}

unsigned int be16(const unsigned char* p) {
    return (p[0] << 8) | p[1];
}

bool is_digit(unsigned char c) {
    return c >= '0' && c <= '9';
}

// Channels of a module from its tag at byte 1080; 0 for a tag we don't know.
int mod_channels(const unsigned char* tag) {
    if (!std::memcmp(tag, "M.K.", 4) || !std::memcmp(tag, "M!K!", 4) ||
        !std::memcmp(tag, "FLT4", 4) || !std::memcmp(tag, "4CHN", 4))
        return 4;
    if (is_digit(tag[0]) && !std::memcmp(tag + 1, "CHN", 3))
        return tag[0] - '0';
    if (is_digit(tag[0]) && is_digit(tag[1]) && tag[2] == 'C' && tag[3] == 'H')
        return (tag[0] - '0') * 10 + (tag[1] - '0');
    return 0;
}

void put_utf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// Turns the wide path back into the bytes the file system knows: escaped raw bytes as they were,
// characters in the current locale's encoding, or UTF-8 when the locale can't hold them.
std::string narrow_path(const unsigned short* path) {
    std::string out;
    for (const unsigned short* p = path; *p; ++p) {
        std::uint32_t c = *p;
        if (c >= 0xD800 && c <= 0xDBFF && p[1] >= 0xDC00 && p[1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (p[1] - 0xDC00);
            ++p;
        } else if (c >= 0xDC80 && c <= 0xDCFF) {
            out += char(c - 0xDC00);
            continue;
        }
        char bytes[MB_LEN_MAX];
        std::mbstate_t state{};
        std::size_t n = std::wcrtomb(bytes, wchar_t(c), &state);
        if (n == std::size_t(-1))
            put_utf8(out, c);
        else
            out.append(bytes, n);
    }
    return out;
}

bool read_whole_file(const unsigned short* wide, std::vector<unsigned char>& bytes) {
    if (!wide)
        return false;
    std::string text;
    if (read_regular_file(narrow_path(wide), SoundFileLimit, &text) != file_read::done)
        return false;
    bytes.assign(text.begin(), text.end());
    return true;
}

} // namespace

std::size_t wav_declared_length(const unsigned char* data, std::size_t length) {
    if (!data || length < 12 || std::memcmp(data, "RIFF", 4) || std::memcmp(data + 8, "WAVE", 4))
        return 0;
    std::uint64_t end = std::uint64_t(le32(data + 4)) + 8;
    if (end > length)
        return std::size_t(end); // shorter than it says: the caller refuses it
    bool have_format = false;
    std::uint64_t pos = 12;
    while (pos + 8 <= end) {
        const unsigned char* chunk = data + pos;
        std::uint64_t size = le32(chunk + 4);
        if (pos + 8 + size > end)
            return 0;
        if (!std::memcmp(chunk, "fmt ", 4)) {
            if (size < 16)
                return 0;
            have_format = true;
        } else if (!std::memcmp(chunk, "data", 4)) {
            return have_format ? std::size_t(end) : 0;
        }
        pos += 8 + size + (size & 1);
    }
    return 0; // no data chunk, or one that doesn't fit
}

std::size_t mod_declared_length(const unsigned char* data, std::size_t length) {
    const std::size_t header = 1084;
    if (!data || length < header)
        return 0;
    int channels = mod_channels(data + 1080);
    int song_length = data[950];
    if (channels <= 0 || song_length == 0 || song_length > 128)
        return 0;
    int highest = 0;
    for (int i = 0; i < 128; ++i)
        if (data[952 + i] > highest)
            highest = data[952 + i];
    std::size_t total = header + std::size_t(highest + 1) * 64 * 4 * std::size_t(channels);
    for (int s = 0; s < 31; ++s)
        total += std::size_t(be16(data + 20 + s * 30 + 22)) * 2;
    return total;
}

// --- speaker ---

hssSpeaker::hssSpeaker() {}

hssSpeaker::~hssSpeaker() {
    close();
}

int hssSpeaker::open(unsigned int rate, unsigned int bits, bool stereo, unsigned int musics,
                     unsigned int sounds) {
    if (opened_)
        return 0;
    if (device_open() || rate == 0 || (bits != 8 && bits != 16))
        return -1;
    if (!SDL_WasInit(SDL_INIT_AUDIO)) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0)
            return -1;
        started_audio_ = true;
    }
    Uint16 format = bits == 8 ? AUDIO_U8 : AUDIO_S16SYS;
    int chunk_size = rate <= 22050 ? 1024 : 2048; // about 46 ms: short enough for a button click
    if (Mix_OpenAudio(int(rate), format, stereo ? 2 : 1, chunk_size) < 0) {
        if (started_audio_)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        started_audio_ = false;
        return -1;
    }
    // The mixer has one music stream; a device asked for none still gets it, unused.
    (void)musics;
    channels_ = unsigned(Mix_AllocateChannels(int(sounds)));
    opened_ = true;
    open_speaker = this;
    Mix_VolumeMusic(int(music_volume_ * 2));
    Mix_Volume(-1, int(sound_volume_ * 2));
    return 0;
}

void hssSpeaker::close() {
    if (!opened_)
        return;
    // Everything loaded goes while the mixer still knows it; this also holds when SDL was shut
    // down first, which the mixer's free and close calls survive.
    Mix_HaltMusic();
    Mix_HaltChannel(-1);
    while (loaded_musics)
        loaded_musics->release();
    while (loaded_sounds)
        loaded_sounds->release();
    Mix_CloseAudio();
    if (started_audio_ && SDL_WasInit(SDL_INIT_AUDIO))
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    started_audio_ = false;
    opened_ = false;
    open_speaker = nullptr;
}

void hssSpeaker::volumeMusics(unsigned int volume) {
    music_volume_ = clamp_volume(volume);
    if (opened_) {
        Mix_VolumeMusic(int(music_volume_ * 2));
        music_volume_set(int(music_volume_ * 2));
    }
}

void hssSpeaker::volumeSounds(unsigned int volume) {
    sound_volume_ = clamp_volume(volume);
    if (opened_)
        Mix_Volume(-1, int(sound_volume_ * 2));
}

int hssSpeaker::playMusic(hssMusic* music, unsigned int flags) {
    (void)flags; // the game's playback flags have no meaning over SDL_mixer
    if (!opened_ || !music || !music->loaded())
        return -1;
    Mix_VolumeMusic(int(music_volume_ * 2));
    if (Mix_PlayMusic(static_cast<Mix_Music*>(music->music()), music->looping() ? -1 : 0) < 0)
        return -1;
    music_volume_set(int(music_volume_ * 2));
    return 0;
}

int hssSpeaker::playSound(hssSound* sound, unsigned int channel) {
    if (!opened_ || !sound || !sound->loaded() || channel >= channels_)
        return -1;
    Mix_Volume(int(channel), int(sound_volume_ * 2));
    if (Mix_PlayChannel(int(channel), static_cast<Mix_Chunk*>(sound->chunk()), 0) < 0)
        return -1;
    return 0;
}

// --- sound ---

hssSound::hssSound() {}

hssSound::~hssSound() {
    release();
}

void hssSound::link() {
    prev_ = nullptr;
    next_ = loaded_sounds;
    if (next_)
        next_->prev_ = this;
    loaded_sounds = this;
}

void hssSound::unlink() {
    if (prev_)
        prev_->next_ = next_;
    else if (loaded_sounds == this)
        loaded_sounds = next_;
    if (next_)
        next_->prev_ = prev_;
    prev_ = next_ = nullptr;
}

int hssSound::load(const unsigned short* path) {
    std::vector<unsigned char> bytes;
    if (!device_open() || !read_whole_file(path, bytes))
        return -1;
    return load(bytes.data(), true, bytes.size());
}

int hssSound::load(void* data, bool copy, std::size_t length) {
    (void)copy; // the mixer always converts into a buffer of its own
    if (!device_open() || !data)
        return -1;
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    std::size_t declared = wav_declared_length(bytes, length);
    if (declared == 0 || declared > length)
        return -1;
    Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes, int(declared)), 1);
    if (!chunk)
        return -1;
    release();
    chunk_ = chunk;
    link();
    return 0;
}

void hssSound::release() {
    if (!chunk_)
        return;
    unlink();
    // Loaded implies open: closing the device releases every sound first.
    Mix_FreeChunk(static_cast<Mix_Chunk*>(chunk_));
    chunk_ = nullptr;
}

// --- music ---

hssMusic::hssMusic() {}

hssMusic::~hssMusic() {
    release();
}

void hssMusic::link() {
    prev_ = nullptr;
    next_ = loaded_musics;
    if (next_)
        next_->prev_ = this;
    loaded_musics = this;
}

void hssMusic::unlink() {
    if (prev_)
        prev_->next_ = next_;
    else if (loaded_musics == this)
        loaded_musics = next_;
    if (next_)
        next_->prev_ = prev_;
    prev_ = next_ = nullptr;
}

int hssMusic::load(const unsigned short* path) {
    std::vector<unsigned char> bytes;
    if (!device_open() || !read_whole_file(path, bytes))
        return -1;
    return load(bytes.data(), true, bytes.size());
}

int hssMusic::load(void* data, bool copy, std::size_t length) {
    if (!device_open() || !data)
        return -1;
    unsigned char* bytes = static_cast<unsigned char*>(data);
    std::size_t declared = mod_declared_length(bytes, length);
    if (declared == 0 || declared > length)
        return -1;
    if (!copy)
        return take(bytes, false, declared);
    unsigned char* own = static_cast<unsigned char*>(std::malloc(declared));
    if (!own)
        return -1;
    std::memcpy(own, bytes, declared);
    return take(own, true, declared);
}

int hssMusic::take(unsigned char* bytes, bool owned, std::size_t length) {
    void* rw = nullptr;
    void* music = open_module_music(bytes, length, &rw);
    if (!music) {
        if (owned)
            std::free(bytes);
        return -1;
    }
    release();
    music_ = music;
    bytes_ = bytes;
    own_bytes_ = owned;
    rw_ = rw;
    link();
    return 0;
}

void hssMusic::loop(bool on) {
    loop_ = on;
}

void hssMusic::release() {
    if (!music_)
        return;
    unlink();
    Mix_FreeMusic(static_cast<Mix_Music*>(music_));
    if (rw_)
        close_music_reader(rw_);
    if (own_bytes_)
        std::free(bytes_);
    music_ = nullptr;
    rw_ = nullptr;
    bytes_ = nullptr;
    own_bytes_ = false;
}
