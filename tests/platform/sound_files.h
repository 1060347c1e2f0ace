// Test sounds and modules built in code, and capturing what the mixer plays through SDL's disk
// driver.
#pragma once

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "tests/support/test_support.h"

namespace sound_files {

inline void put16(std::string& s, unsigned v) {
    s += char(v & 0xFF);
    s += char((v >> 8) & 0xFF);
}
inline void put32(std::string& s, std::uint32_t v) {
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}

// A mono 16-bit PCM RIFF WAVE at 22050 Hz holding `frames` samples of one steady level: mixed,
// it sits well above the music, which swings about zero.
inline std::string level_wav(std::int16_t level, int frames) {
    std::string out = "RIFF";
    put32(out, std::uint32_t(36 + 2 * frames));
    out += "WAVEfmt ";
    for (std::uint32_t v : {16, 1 | 1 << 16, 22050, 22050 * 2, 2 | 16 << 16}) // PCM, mono
        put32(out, v);
    out += "data";
    put32(out, std::uint32_t(2 * frames));
    for (int i = 0; i < frames; ++i)
        put16(out, std::uint16_t(level));
    return out;
}

// A four-channel "M.K." module whose one looping square-wave sample of 64 words sounds a note on
// channel 1 at every 16th row. Two patterns of 64 rows at the default speed, or for a short tune
// one pattern broken off after 16 rows of one tick each (0.32 s).
inline std::string module(bool short_tune = false) {
    const int patterns = short_tune ? 1 : 2;
    std::string m(20, '\0');
    for (int s = 0; s < 31; ++s) {
        std::string header(30, '\0');
        header[29] = 1; // empty samples carry a loop length of one word
        if (s == 0)
            header[23] = header[25] = header[29] = 64; // length, volume, loop over the whole
        m += header;
    }
    std::string order(128, '\0');
    order[1] = char(patterns - 1);
    m += std::string{char(patterns), char(127)} + order + "M.K.";
    for (int row = 0; row < 64 * patterns; ++row) {
        unsigned char cells[16] = {};
        if (row % 16 == 0) // period 428 (C-2) with sample 1
            cells[0] = 428 >> 8, cells[1] = 428 & 0xFF, cells[2] = 0x10;
        if (short_tune && row == 0)
            cells[6] = 0x0F, cells[7] = 1; // speed 1
        if (short_tune && row == 15)
            cells[10] = 0x0D; // pattern break
        m.append(reinterpret_cast<char*>(cells), 16);
    }
    for (int i = 0; i < 128; ++i)
        m += char((i / 16) % 2 ? 100 : -100);
    return m;
}

// While alive, devices opened in this process write what they play as raw samples into `path`
// as fast as the mixer makes them. The file holds the device's own rate, which SDL may have
// raised above what the mixer asked for: compare lengths, not seconds.
class disk_output {
  public:
    explicit disk_output(const std::string& path) : path_(path) {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", "0", 1);
    }
    ~disk_output() {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        unsetenv("SDL_DISKAUDIOFILE");
        unsetenv("SDL_DISKAUDIODELAY");
    }
    void mark() { mark_ = std::max(0L, size()); }
    // Waits until `samples` more samples were written since the mark (30 s at most: a busy
    // machine slows the mixer down, a stopped device never gets there).
    bool wait_for(long samples) const {
        for (int i = 0; i < 3000; ++i, SDL_Delay(10))
            if (size() >= mark_ + samples * 2)
                return true;
        return false;
    }
    // Read once the device is closed.
    std::vector<std::int16_t> samples() const {
        std::string bytes = read_file(path_);
        std::vector<std::int16_t> out(bytes.size() / 2);
        std::memcpy(out.data(), bytes.data(), out.size() * 2);
        return out;
    }

  private:
    long size() const {
        struct stat st;
        return stat(path_.c_str(), &st) == 0 ? long(st.st_size) : -1;
    }
    std::string path_;
    long mark_ = 0;
};

inline int peak(const std::vector<std::int16_t>& s, std::size_t from = 0,
                std::size_t to = std::size_t(-1)) {
    int top = 0;
    for (std::size_t i = from; i < s.size() && i < to; ++i)
        top = std::max(top, std::abs(int(s[i])));
    return top;
}

inline double mean(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to) {
    double sum = 0;
    std::size_t n = 0;
    for (std::size_t i = from; i < s.size() && i < to; ++i, ++n)
        sum += s[i];
    return n ? sum / double(n) : 0;
}

inline std::size_t first_sound(const std::vector<std::int16_t>& s) {
    auto it = std::find_if(s.begin(), s.end(), [](std::int16_t v) { return v != 0; });
    return std::size_t(it - s.begin());
}

} // namespace sound_files
