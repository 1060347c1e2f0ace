// The sound layer: the length checks, opening and closing, loading, and what playing puts out.
#include <gtest/gtest.h>

#include <SDL_mixer.h>

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

// A copy of `s` with `bytes` written at `at`.
std::string patched(std::string s, std::size_t at, const std::string& bytes) {
    return s.replace(at, bytes.size(), bytes);
}

} // namespace

TEST(SoundLengths, WavDeclaresItsOwnLength) {
    std::string good = level_wav(1000, 100);
    // Trailing bytes past the RIFF chunk are no harm; one byte short declares more than is there.
    EXPECT_EQ(good.size(), wav_declared_length(bytes_of(good + "junk"), good.size() + 4));
    EXPECT_GT(wav_declared_length(bytes_of(good), good.size() - 1), good.size() - 1);

    const std::string damaged[] = {
        patched(good, 40, std::string("\x40\x42\x0F\0", 4)), // data runs past the RIFF chunk
        patched(good, 12, "junk"),                           // no format chunk
    };
    for (const std::string& d : damaged)
        EXPECT_EQ(0u, wav_declared_length(bytes_of(d), d.size())) << &d - damaged;
    EXPECT_EQ(0u, wav_declared_length(bytes_of(good), 11));
}

TEST(SoundLengths, ModuleDeclaresHeaderPatternsAndSamples) {
    std::string m = module();
    EXPECT_EQ(m.size(), mod_declared_length(bytes_of(m + "tail"), m.size() + 4));

    // A pattern named in the order table past the song length still has to be there, and so
    // does all of a sample.
    std::string high = patched(m, 952 + 5, std::string(1, char(9)));
    EXPECT_EQ(1084u + 10 * 1024 + 128, mod_declared_length(bytes_of(high), high.size()));
    std::string long_sample = patched(m, 20 + 22, std::string(1, char(0x7F)));
    EXPECT_GT(mod_declared_length(bytes_of(long_sample), long_sample.size()), m.size());

    const std::pair<const char*, int> tags[] = {
        {"FLT4", 4}, {"6CHN", 6}, {"32CH", 32}, {"ABCD", 0}};
    for (const auto& t : tags) {
        std::string other = patched(m, 1080, t.first);
        EXPECT_EQ(t.second ? 1084u + 2 * 256 * t.second + 128 : 0u,
                  mod_declared_length(bytes_of(other), other.size()))
            << t.first;
    }
    EXPECT_EQ(0u, mod_declared_length(bytes_of(m), 1083));
}

TEST(Speaker, OneDeviceClampedVolumesWholeDataAndClosing) {
    hssSpeaker sp, second;
    ASSERT_EQ(0, sp.open(22050, 16, true, 1, 16));
    EXPECT_EQ(-1, second.open(22050, 16, true, 1, 16));
    sp.volumeSounds(200);
    EXPECT_EQ(128, Mix_Volume(0, -1));
    sp.volumeMusics(32);
    EXPECT_EQ(64, Mix_VolumeMusic(-1));

    // Data one byte shorter than it declares is refused, and the refused load keeps what was
    // there before.
    hssSound sound;
    hssMusic music;
    std::string w = level_wav(1000, 500), m = module();
    ASSERT_EQ(0, sound.load(&w[0], true, w.size()));
    ASSERT_EQ(0, music.load(&m[0], true, m.size()));
    void* chunk = sound.chunk();
    void* tune = music.music();
    EXPECT_EQ(-1, sound.load(&w[0], true, w.size() - 1));
    EXPECT_EQ(-1, music.load(&m[0], true, m.size() - 1));
    EXPECT_EQ(chunk, sound.chunk());
    EXPECT_EQ(tune, music.music());

    EXPECT_EQ(0, sp.playSound(&sound, 15));
    EXPECT_EQ(-1, sp.playSound(&sound, 16)); // 16 channels: 0..15

    // Closing releases what was loaded. A device that will not open leaves everything silent.
    sp.close();
    EXPECT_FALSE(sound.loaded() || music.loaded());
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_EQ(-1, sp.open(22050, 16, true, 1, 16));
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_EQ(-1, sound.load(&w[0], true, w.size()));
    EXPECT_EQ(-1, music.load(&m[0], true, m.size()));
}

// What the mixer puts out, captured through SDL's disk driver. The file runs at the device's
// rate, which SDL may set above the mixer's 22050 Hz, so spans here are counted generously.
class Output : public ::testing::Test {
  protected:
    void SetUp() override {
        out.reset(new disk_output(dir.file("out.raw")));
        ASSERT_EQ(0, sp.open(22050, 16, true, 1, 16));
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
    SDL_LockAudio(); // so that both start in the same buffer
    out->mark();
    sp.playMusic(&music, 0x10000000);
    sp.playSound(&high, 1);
    SDL_UnlockAudio();
    EXPECT_TRUE(out->wait_for(half_second));
    sp.close();
    std::vector<std::int16_t> s = out->samples();
    std::size_t start = first_sound(s);
    ASSERT_LT(start + half_second, s.size());
    // The music swings about zero; the steady sound lifts it by its full level while it lasts
    // (at least 4410 samples), and the music goes on after it.
    double with_sound = mean(s, start, start + 4000);
    double music_alone = mean(s, start + 12000, start + 36000);
    EXPECT_NEAR(8000, with_sound - music_alone, 600);
    EXPECT_GT(peak(s, start + 12000, start + half_second), 2000);
}

// Played on while the device writes two to four seconds: a looping 0.32 s tune is still going,
// one that does not loop has ended (this mixer would play a loop count of 1 twice).
TEST_F(Output, LoopingMusicGoesOnAndOtherMusicEnds) {
    std::string m = module(true);
    hssMusic music;
    for (bool loop : {true, false}) {
        ASSERT_EQ(0, music.load(&m[0], true, m.size()));
        music.loop(loop);
        out->mark();
        ASSERT_EQ(0, sp.playMusic(&music, 0));
        EXPECT_TRUE(out->wait_for(4 * half_second));
        EXPECT_EQ(loop, Mix_PlayingMusic() != 0) << loop;
    }
}
