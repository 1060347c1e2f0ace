// Test sounds and modules built in code, and capturing what the mixer plays through SDL's disk
// driver.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace sound_files {

inline void put16(std::string& s, unsigned v) {
    s += char(v & 0xFF);
    s += char((v >> 8) & 0xFF);
}
inline void put32(std::string& s, std::uint32_t v) {
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}

// A mono 16-bit PCM RIFF WAVE of the given samples.
inline std::string wav(const std::vector<std::int16_t>& samples, unsigned rate = 22050) {
    std::string fmt, data, out;
    put16(fmt, 1); // PCM
    put16(fmt, 1); // mono
    put32(fmt, rate);
    put32(fmt, rate * 2);
    put16(fmt, 2);
    put16(fmt, 16);
    for (std::int16_t v : samples)
        put16(data, std::uint16_t(v));
    std::string body = "WAVE";
    body += "fmt ";
    put32(body, std::uint32_t(fmt.size()));
    body += fmt;
    body += "data";
    put32(body, std::uint32_t(data.size()));
    body += data;
    out = "RIFF";
    put32(out, std::uint32_t(body.size()));
    return out + body;
}

// A steady level: its mixed output sits well above the music's, which swings about zero.
inline std::string level_wav(std::int16_t level, int frames) {
    return wav(std::vector<std::int16_t>(std::size_t(frames), level));
}

struct module_options {
    int positions = 2;     // song length
    int patterns = 2;      // patterns stored (orders use 0..patterns-1 in turn)
    int speed = 0;         // 0 keeps the default of 6 ticks a row
    int sample_words = 64; // length of the one sample, in words
    int rows = 64;         // rows played of each pattern (a pattern break ends it early)
    std::string tag = "M.K.";
    int channels = 4;
};

// A module whose one looping square-wave sample sounds a note on channel 1 at every
// 16th row of every pattern.
inline std::string module(const module_options& o = module_options()) {
    std::string m(20, '\0');
    std::memcpy(&m[0], "test tune", 9);
    for (int s = 0; s < 31; ++s) {
        std::string header(30, '\0');
        if (s == 0) {
            std::memcpy(&header[0], "square", 6);
            header[22] = char(o.sample_words >> 8);
            header[23] = char(o.sample_words & 0xFF);
            header[25] = 64; // volume
            header[28] = char(o.sample_words >> 8);
            header[29] = char(o.sample_words & 0xFF); // loop over the whole sample
        } else {
            header[29] = 1; // empty samples carry a loop length of one word
        }
        m += header;
    }
    m += char(o.positions);
    m += char(127);
    std::string order(128, '\0');
    for (int i = 0; i < o.positions; ++i)
        order[std::size_t(i)] = char(i % o.patterns);
    m += order;
    m += o.tag;
    for (int p = 0; p < o.patterns; ++p) {
        for (int row = 0; row < 64; ++row) {
            for (int ch = 0; ch < o.channels; ++ch) {
                unsigned char cell[4] = {0, 0, 0, 0};
                if (ch == 0 && row % 16 == 0) {
                    int period = 428; // C-2
                    cell[0] = (1 & 0xF0) | (period >> 8);
                    cell[1] = period & 0xFF;
                    cell[2] = (1 & 0x0F) << 4;
                }
                if (ch == 1 && row == 0 && o.speed > 0) {
                    cell[2] = 0x0F;
                    cell[3] = static_cast<unsigned char>(o.speed);
                }
                if (ch == 2 && row == o.rows - 1 && o.rows < 64)
                    cell[2] = 0x0D; // pattern break to the next position
                m.append(reinterpret_cast<char*>(cell), 4);
            }
        }
    }
    for (int i = 0; i < o.sample_words * 2; ++i)
        m += char((i / 16) % 2 ? 100 : -100);
    return m;
}

// Tests open SDL's silent dummy device unless they capture output on purpose.
inline void use_dummy_audio() {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}

inline long file_size(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? long(st.st_size) : -1;
}

// While alive, devices opened in this process write what they play as raw samples into `path`
// as fast as the mixer makes them.
class disk_output {
  public:
    explicit disk_output(const std::string& path) : path_(path) {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", "0", 1);
    }
    ~disk_output() {
        use_dummy_audio();
        unsetenv("SDL_DISKAUDIOFILE");
        unsetenv("SDL_DISKAUDIODELAY");
    }
    // Remembers how much has been written, for wait_for.
    void mark() { mark_ = std::max(0L, file_size(path_)); }
    // Waits until `samples` more 16-bit samples have been written since the mark, at most a few
    // seconds of real time. Returns whether they were. The file holds the device's own rate,
    // which SDL may have raised above what the mixer asked for: compare lengths, not seconds.
    bool wait_for(long samples) const {
        long want = mark_ + samples * 2;
        for (int i = 0; i < 500; ++i) {
            if (file_size(path_) >= want)
                return true;
            SDL_Delay(10);
        }
        return false;
    }
    // The samples written so far (read once the device is closed).
    std::vector<std::int16_t> samples() const {
        std::vector<std::int16_t> out;
        std::FILE* f = std::fopen(path_.c_str(), "rb");
        if (!f)
            return out;
        std::int16_t block[4096];
        std::size_t n;
        while ((n = std::fread(block, sizeof block[0], 4096, f)) > 0)
            out.insert(out.end(), block, block + n);
        std::fclose(f);
        return out;
    }

  private:
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
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i] != 0)
            return i;
    return s.size();
}

} // namespace sound_files
