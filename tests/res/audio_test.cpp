// The game's sound side: settings, channels, halved volumes, loose and pack loading, shutdown.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <string>
#include <utility>
#include <vector>

#include "app/globals.h"
#include "platform/hss.h"
#include "res/audio.h"
#include "res/pack.h"
#include "tests/platform/sound_files.h"
#include "tests/support/test_support.h"

using namespace sound_files;

namespace {

const char* sound_names[7] = {"button_p.wav",  "explosion.wav", "good.wav",  "hint_p.wav",
                              "rakieta_p.wav", "button2.wav",   "good_p.wav"};

// Each sound a steady level of its own, long enough to still play when looked at.
std::string sound_file(int i) {
    return level_wav(std::int16_t(1000 * (i + 1)), 22050);
}

// The index declares every entry `cut` bytes shorter than it is.
void write_pack(const std::string& folder,
                const std::vector<std::pair<std::string, std::string>>& entries, int cut = 0) {
    std::string def, pak;
    for (const auto& e : entries) {
        def += e.first + " " + std::to_string(pak.size()) + " " +
               std::to_string(e.second.size() - cut) + "\n";
        pak += e.second;
    }
    def += "end 0 0\n";
    write_file(folder + "msx.def", def);
    write_file(folder + "msx.pak", pak);
}

void load_all(const std::string& folder) {
    for (int i = 0; i < 7; ++i)
        load_sound(Sounds[i], folder.c_str(), sound_names[i]);
    load_music(Music, folder.c_str(), "1.mod");
}

void write_loose(const std::string& folder) {
    for (int i = 0; i < 7; ++i)
        write_file(folder + sound_names[i], sound_file(i));
    write_file(folder + "1.mod", module());
}

class Audio : public ::testing::Test {
  protected:
    void SetUp() override {
        msx.count = 0;
        set_audio(0, 0, 0, 0);
        use_dummy_audio();
        ASSERT_EQ(0, speaker.open(22050, 16, true, 1, 16));
    }
    void TearDown() override {
        shutdown_audio();
        msx.count = 0;
        set_audio(0, 0, 0, 0);
    }
    temp_dir dir;
};

} // namespace

TEST_F(Audio, PlaySoundAndMusicPassTheirChannelAndTheHalvedVolume) {
    write_loose(dir.path());
    load_all(dir.path());
    // Settings volume, layer volume, channel; halving truncates, and "No" (0) still plays.
    const int cases[3][3] = {{128, 64, 1}, {127, 63, 2}, {0, 0, 0}};
    hssSound* sounds[3] = {&ExplosionSound, &HintSound, &GoodPSound};
    for (int i = 0; i < 3; ++i) {
        set_audio(0, 0, cases[i][0], cases[i][0]);
        play_sound(*sounds[i], cases[i][2]);
        EXPECT_EQ(unsigned(cases[i][1]), speaker.soundVolume()) << i;
        for (int channel = 0; channel < 4; ++channel)
            EXPECT_EQ(channel == cases[i][2], Mix_Playing(channel) != 0) << i << channel;
        EXPECT_EQ(2 * cases[i][1], Mix_Volume(cases[i][2], -1)) << i;
        Mix_HaltChannel(-1);
    }
    set_audio(0, 0, 101, 0);
    play_music(Music);
    EXPECT_TRUE(Music.looping());
    EXPECT_EQ(50u, speaker.musicVolume());
    EXPECT_EQ(100, Mix_VolumeMusic(-1));
    EXPECT_TRUE(Mix_PlayingMusic());
}

TEST_F(Audio, LoadsFromThePackAndRefusesDamagedEntries) {
    std::vector<std::pair<std::string, std::string>> entries;
    for (int i = 0; i < 7; ++i)
        entries.push_back({sound_names[i], sound_file(i)});
    entries.push_back({"1.mod", module()});
    write_pack(dir.path(), entries);
    load_pack_index(msx, dir.path().c_str(), "msx.pak", "msx.def");
    ASSERT_EQ(8, msx.count);
    load_all(dir.path());
    EXPECT_TRUE(Music.loaded());
    // Each entry really was the one asked for: each sound holds its own level.
    for (int i = 0; i < 7; ++i) {
        ASSERT_TRUE(Sounds[i].loaded()) << sound_names[i];
        const Mix_Chunk* chunk = static_cast<const Mix_Chunk*>(Sounds[i].chunk());
        ASSERT_GT(chunk->alen, 4u);
        EXPECT_EQ(1000 * (i + 1), *reinterpret_cast<const std::int16_t*>(chunk->abuf));
    }
    shutdown_audio();

    // Entries the index cuts one byte short stay silent.
    ASSERT_EQ(0, speaker.open(22050, 16, true, 1, 16));
    write_pack(dir.path(), {{"button_p.wav", sound_file(0)}, {"1.mod", module()}}, 1);
    load_pack_index(msx, dir.path().c_str(), "msx.pak", "msx.def");
    load_all(dir.path());
    EXPECT_FALSE(ButtonSound.loaded());
    EXPECT_FALSE(Music.loaded());
}

TEST_F(Audio, LoadsLooseFilesThroughAnyPathAndShutdownFreesThem) {
    // A folder name in UTF-8 and one byte no encoding reads: both reach the file.
    std::string folder = dir.path() + "d\xC5\xBAwi\xC4\x99ki \xFF/";
    ASSERT_EQ(0, mkdir(folder.c_str(), 0755));
    write_loose(folder);
    load_all(folder);
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(Sounds[i].loaded()) << sound_names[i];
    EXPECT_TRUE(Music.loaded());

    set_audio(0, 0, 128, 128);
    play_music(Music);
    play_sound(ButtonSound, 0);
    shutdown_audio();
    EXPECT_FALSE(speaker.opened());
    EXPECT_FALSE(Music.loaded());
    for (hssSound& sound : Sounds)
        EXPECT_FALSE(sound.loaded());
    // Calls after it are harmless and load nothing.
    play_sound(ButtonSound, 0);
    play_music(Music);
    load_sound(ButtonSound, folder.c_str(), sound_names[0]);
    EXPECT_FALSE(ButtonSound.loaded());
}

// The end of the process: global sounds, music and speaker go after main returns.
class AudioExit : public ::testing::Test {
  protected:
    static void run_and_exit(bool shut_down) {
        temp_dir dir;
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        use_dummy_audio();
        SDL_Init(SDL_INIT_VIDEO);
        speaker.open(22050, 16, true, 1, 16);
        write_loose(dir.path());
        msx.count = 0;
        load_all(dir.path());
        set_audio(0, 0, 128, 128);
        play_music(Music);
        play_sound(ExplosionSound, 1);
        SDL_Delay(50);
        if (shut_down)
            shutdown_audio();
        SDL_Quit();
        std::exit(0);
    }
};

TEST_F(AudioExit, CleanWithAndWithoutShutdown) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (bool shut_down : {true, false})
        EXPECT_EXIT(run_and_exit(shut_down), ::testing::ExitedWithCode(0), "") << shut_down;
}

// What the device puts out after "Yes" (volume 128) and "No" (volume 0, the music still started).
TEST_F(Audio, TheSoundQuestionDecidesWhatIsHeard) {
    write_loose(dir.path());
    shutdown_audio();
    for (int volume : {128, 0}) {
        disk_output out(dir.file("out.raw"));
        ASSERT_EQ(0, speaker.open(22050, 16, true, 1, 16));
        load_all(dir.path());
        set_audio(0, 0, volume, volume);
        SDL_LockAudio();
        out.mark();
        play_music(Music);
        SDL_UnlockAudio();
        EXPECT_TRUE(out.wait_for(44100));
        EXPECT_TRUE(Mix_PlayingMusic()) << volume;
        shutdown_audio();
        std::vector<std::int16_t> s = out.samples();
        EXPECT_GT(s.size(), 44100u);
        if (volume)
            EXPECT_GT(peak(s), 2000);
        else
            EXPECT_EQ(0, peak(s));
    }
}
