// The sound layer: the length checks, opening and closing, loading, and what playing puts out.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "platform/hss.h"
#include "sound_files.h"
#include "tests/support/test_support.h"

using namespace sound_files;

namespace {

const unsigned char* bytes_of(const std::string& s) {
    return reinterpret_cast<const unsigned char*>(s.data());
}

std::vector<unsigned short> wide(const std::string& ascii) {
    std::vector<unsigned short> w(ascii.begin(), ascii.end());
    w.push_back(0);
    return w;
}

// A copy of `s` with `bytes` written at `at`.
std::string patched(std::string s, std::size_t at, const std::string& bytes) {
    return s.replace(at, bytes.size(), bytes);
}

std::string le32(std::uint32_t v) {
    std::string s;
    put32(s, v);
    return s;
}

} // namespace

TEST(SoundLengths, WavDeclaresItsOwnLength) {
    std::string good = level_wav(1000, 100);
    EXPECT_EQ(good.size(), wav_declared_length(bytes_of(good), good.size()));
    // Trailing bytes past the RIFF chunk are no harm.
    EXPECT_EQ(good.size(), wav_declared_length(bytes_of(good + "junk"), good.size() + 4));
    // Cut short by one byte: declares more than the buffer holds.
    EXPECT_GT(wav_declared_length(bytes_of(good), good.size() - 1), good.size() - 1);

    const std::string damaged[] = {
        patched(good, 40, le32(1000000)), // the data chunk runs past the RIFF chunk
        patched(good, 12, "junk"),        // no format chunk
        patched(good, 16, le32(14)),      // fmt too short, and the walk lands off the data chunk
        patched(good, 8, "AVI "),
    };
    for (const std::string& d : damaged)
        EXPECT_EQ(0u, wav_declared_length(bytes_of(d), d.size())) << &d - damaged;
    EXPECT_EQ(0u, wav_declared_length(bytes_of(good), 11));
    EXPECT_EQ(0u, wav_declared_length(nullptr, 100));
}

TEST(SoundLengths, ModuleDeclaresHeaderPatternsAndSamples) {
    module_options o;
    o.patterns = o.positions = 3;
    o.sample_words = 100;
    std::string m = module(o);
    EXPECT_EQ(m.size(), mod_declared_length(bytes_of(m), m.size()));
    EXPECT_EQ(m.size(), mod_declared_length(bytes_of(m + "tail"), m.size() + 4));

    // The order table names a pattern beyond those stored (beyond the song length still counts),
    // or a sample is longer than the data holds: more is declared than is there.
    std::string high = patched(m, 952 + 5, std::string(1, char(9)));
    EXPECT_EQ(1084u + 10 * 1024 + 200, mod_declared_length(bytes_of(high), high.size()));
    std::string long_sample = patched(m, 20 + 22, std::string(1, char(0x7F)));
    EXPECT_GT(mod_declared_length(bytes_of(long_sample), long_sample.size()), m.size());

    const std::pair<const char*, int> tags[] = {{"M!K!", 4}, {"FLT4", 4},  {"4CHN", 4},
                                                {"6CHN", 6}, {"12CH", 12}, {"32CH", 32},
                                                {"ABCD", 0}};
    for (const auto& t : tags) {
        std::string other = patched(m, 1080, t.first);
        EXPECT_EQ(t.second ? 1084u + 3 * 256 * t.second + 200 : 0u,
                  mod_declared_length(bytes_of(other), other.size()))
            << t.first;
    }
    std::string no_song = patched(m, 950, std::string(1, '\0'));
    EXPECT_EQ(0u, mod_declared_length(bytes_of(no_song), no_song.size()));
    EXPECT_EQ(0u, mod_declared_length(bytes_of(m), 1083));
}

class Speaker : public ::testing::Test {
  protected:
    void SetUp() override {
        use_dummy_audio();
        ASSERT_EQ(0, sp.open(22050, 16, true, 1, 16));
    }
    hssSpeaker sp;
};

TEST_F(Speaker, OneDeviceClampedVolumesWholeDataAndClosing) {
    hssSpeaker second;
    EXPECT_EQ(-1, second.open(22050, 16, true, 1, 16));
    EXPECT_EQ(0, sp.open(22050, 16, true, 1, 16)); // already open: fine
    sp.volumeSounds(200);
    EXPECT_EQ(64u, sp.soundVolume());
    EXPECT_EQ(128, Mix_Volume(0, -1));
    sp.volumeMusics(32);
    EXPECT_EQ(64, Mix_VolumeMusic(-1));

    hssSound sound;
    hssMusic music;
    std::string w = level_wav(1000, 500), m = module(), garbage(m.size(), '\x55');
    EXPECT_EQ(-1, sound.load(&w[0], true, w.size() - 1));
    EXPECT_EQ(-1, music.load(&m[0], true, m.size() - 1));
    EXPECT_EQ(-1, music.load(&garbage[0], true, garbage.size()));
    EXPECT_FALSE(sound.loaded() || music.loaded());
    EXPECT_EQ(0, sound.load(&w[0], true, w.size()));
    EXPECT_EQ(0, music.load(&m[0], true, m.size()));

    // A refused load keeps what was there before.
    void* chunk = sound.chunk();
    EXPECT_EQ(-1, sound.load(&garbage[0], true, garbage.size()));
    EXPECT_EQ(chunk, sound.chunk());
    void* before = music.music();
    EXPECT_EQ(-1, music.load(&m[0], true, 2000));
    EXPECT_EQ(before, music.music());

    EXPECT_EQ(0, sp.playSound(&sound, 15));
    EXPECT_EQ(-1, sp.playSound(&sound, 16)); // 16 channels: 0..15
    EXPECT_EQ(0, sp.playMusic(&music, 0x10000000));

    // Closing releases what was loaded. A device that will not open leaves everything silent.
    sp.close();
    EXPECT_FALSE(sound.loaded() || music.loaded());
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_EQ(-1, sp.open(22050, 16, true, 1, 16));
    use_dummy_audio();
    EXPECT_EQ(-1, sound.load(&w[0], true, w.size()));
    EXPECT_EQ(-1, music.load(&m[0], true, m.size()));
    EXPECT_EQ(-1, sp.playSound(&sound, 0));
}

TEST_F(Speaker, WidePathsReachTheFile) {
    // Raw bytes and UTF-8 in a folder name are the game's side of this; here, a character above
    // U+FFFF comes as a pair of units and must reach the file as UTF-8.
    temp_dir dir;
    write_file(dir.file("\xF0\x9F\x8E\xB5.wav"), level_wav(1000, 500));
    std::vector<unsigned short> pair = wide(dir.path());
    pair.pop_back();
    for (int u : {0xD83C, 0xDFB5, int('.'), int('w'), int('a'), int('v'), 0})
        pair.push_back(u);
    hssSound sound;
    EXPECT_EQ(0, sound.load(pair.data()));
    EXPECT_EQ(-1, sound.load(wide(dir.file("missing.wav")).data()));
    EXPECT_TRUE(sound.loaded());
}

// What the mixer puts out, captured through SDL's disk driver. The file runs at the device's
// rate, which SDL may set above the mixer's 22050 Hz, so spans here are counted generously.
class Output : public ::testing::Test {
  protected:
    void SetUp() override {
        out.reset(new disk_output(dir.file("out.raw")));
        ASSERT_EQ(0, sp.open(22050, 16, true, 1, 16));
        int rate = 0, channels = 0;
        Uint16 format = 0;
        Mix_QuerySpec(&rate, &format, &channels);
        ASSERT_EQ(22050, rate);
        ASSERT_EQ(AUDIO_S16SYS, format);
        ASSERT_EQ(2, channels);
    }
    // Runs `start` with the mixer held, so whatever it starts begins at one buffer, then lets
    // the device write `samples` more samples and closes it.
    template <class F> std::vector<std::int16_t> play(long samples, F start) {
        SDL_LockAudio();
        out->mark();
        start();
        SDL_UnlockAudio();
        EXPECT_TRUE(out->wait_for(samples));
        sp.close();
        return out->samples();
    }

    temp_dir dir;
    std::unique_ptr<disk_output> out;
    hssSpeaker sp;
};

const long half_second = 44100; // samples of half a second of stereo at up to 44100 Hz

TEST_F(Output, SoundsAreHeardOnTopOfTheMusic) {
    hssMusic music;
    hssSound high;
    std::string m = module(), w = level_wav(8000, 2205); // 0.1 s
    ASSERT_EQ(0, music.load(&m[0], true, m.size()));
    ASSERT_EQ(0, high.load(&w[0], true, w.size()));
    std::memset(&m[0], 0, m.size()); // the layer kept its own copy
    music.loop(true);
    sp.volumeMusics(64);
    std::vector<std::int16_t> s = play(half_second, [&] {
        sp.playMusic(&music, 0x10000000);
        sp.volumeSounds(64);
        sp.playSound(&high, 1);
    });
    std::size_t start = first_sound(s);
    ASSERT_LT(start + half_second, s.size());
    // The music swings about zero; the steady sound lifts it by its full level while it lasts
    // (at least 4410 samples), and the music goes on after it.
    double with_sound = mean(s, start, start + 4000);
    double music_alone = mean(s, start + 12000, start + 36000);
    EXPECT_NEAR(8000, with_sound - music_alone, 600);
    EXPECT_GT(peak(s, start + 12000, start + half_second), 2000);
}

TEST_F(Output, LoopingMusicRepeatsAndOtherMusicEnds) {
    module_options short_tune;
    short_tune.positions = short_tune.patterns = short_tune.speed = 1;
    short_tune.rows = 16; // 16 ticks: 0.32 s
    std::string m = module(short_tune);
    hssMusic music;
    auto run = [&](bool loop) {
        EXPECT_EQ(0, music.load(&m[0], true, m.size()));
        music.loop(loop);
        sp.volumeMusics(64);
        return play(4 * half_second, [&] { sp.playMusic(&music, 0); });
    };
    std::vector<std::int16_t> s = run(false);
    std::size_t start = first_sound(s), last = s.size();
    while (last > start && s[last - 1] == 0)
        --last;
    std::size_t tune = last - start;
    EXPECT_GT(tune, 10000u);
    EXPECT_GT(s.size(), last + 2 * tune); // played once, then a long silence

    ASSERT_EQ(0, sp.open(22050, 16, true, 1, 16));
    s = run(true);
    ASSERT_LT(first_sound(s) + 4 * tune, s.size());
    // Still going near the end (the last buffers, written as the device closes, are silent).
    EXPECT_GT(peak(s, s.size() - 2 * tune, s.size() - tune), 2000);
}
