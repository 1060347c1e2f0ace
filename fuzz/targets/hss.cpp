// Fuzz target: the sound layer's checks on sound and module bytes, and loading them from memory.
#include <cstdlib>
#include <cstring>

#include "fuzz_support.h"
#include "platform/hss.h"
#include "res/audio.h"

namespace {

// The bytes in an allocation of exactly their length, so reading past it is caught.
unsigned char* exact_copy(const uint8_t* data, size_t size) {
    unsigned char* copy = static_cast<unsigned char*>(std::malloc(size > 0 ? size : 1));
    if (size > 0)
        std::memcpy(copy, data, size);
    return copy;
}

void check_lengths(const uint8_t* data, size_t size) {
    size_t wav = wav_declared_length(data, size);
    if (wav > 0)
        FUZZ_CHECK(size >= 12 && std::memcmp(data, "RIFF", 4) == 0 &&
                   std::memcmp(data + 8, "WAVE", 4) == 0);
    size_t mod = mod_declared_length(data, size);
    FUZZ_CHECK(mod == 0 || (size >= 1084 && mod >= 1084));
}

// Loads the bytes as a sound and as a module, with the whole length and with half of it.
void load_both(const uint8_t* data, size_t size) {
    unsigned char* bytes = exact_copy(data, size);
    hssSound sound;
    if (sound.load(bytes, true, size) == 0) {
        FUZZ_CHECK(sound.loaded());
        // A sound is refused unless its declared length fits what it was given.
        size_t declared = wav_declared_length(bytes, size);
        FUZZ_CHECK(declared > 0 && declared <= size);
    } else {
        FUZZ_CHECK(!sound.loaded());
    }
    sound.release();

    hssMusic music;
    if (music.load(bytes, true, size) == 0) {
        FUZZ_CHECK(music.loaded());
        size_t declared = mod_declared_length(bytes, size);
        FUZZ_CHECK(declared > 0 && declared <= size);
    }
    // The copy means the buffer can go at once, as the game frees pack bytes right after a load.
    std::free(bytes);
    music.loop(true);
    speaker.playMusic(&music, 0x10000000);
    music.release();
}

} // namespace

int fuzz_hss(const uint8_t* data, size_t size) {
    if (!speaker.opened()) {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        if (speaker.open(22050, 16, true, 1, 16) != 0)
            FUZZ_CHECK(!"the dummy sound device opens");
    }
    check_lengths(data, size);
    load_both(data, size);
    load_both(data, size / 2);
    return 0;
}
