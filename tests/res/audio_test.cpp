// The game's sound side: loose and pack loading, shutdown, and what "Yes" and "No" let be heard.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <string>
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

TEST_F(Audio, LoadsEachSoundFromItsOwnPackEntry) {
    std::string def, pak;
    for (int i = 0; i <= 7; ++i) {
        std::string name = i < 7 ? sound_names[i] : "1.mod";
        std::string bytes = i < 7 ? sound_file(i) : module();
        def += name + " " + std::to_string(pak.size()) + " " + std::to_string(bytes.size()) + "\n";
        pak += bytes;
    }
    write_file(dir.file("msx.def"), def + "end 0 0\n");
    write_file(dir.file("msx.pak"), pak);
    load_pack_index(msx, dir.path().c_str(), "msx.pak", "msx.def");
    load_all(dir.path());
    EXPECT_TRUE(Music.loaded());
    // Each entry really was the one asked for: each sound holds its own level.
    for (int i = 0; i < 7; ++i) {
        ASSERT_TRUE(Sounds[i].loaded()) << sound_names[i];
        const Mix_Chunk* chunk = static_cast<const Mix_Chunk*>(Sounds[i].chunk());
        ASSERT_GT(chunk->alen, 4u);
        EXPECT_EQ(1000 * (i + 1), *reinterpret_cast<const std::int16_t*>(chunk->abuf));
    }
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
}

// After "No" (volume 0) the music still starts and loops, and nothing is heard. (What "Yes"
// lets be heard is the media set's mix test.)
TEST_F(Audio, NoStartsTheMusicSilently) {
    write_loose(dir.path());
    shutdown_audio();
    disk_output out(dir.file("out.raw"));
    ASSERT_EQ(0, speaker.open(22050, 16, true, 1, 16));
    load_all(dir.path());
    set_audio(0, 0, 0, 0);
    SDL_LockAudio();
    out.mark();
    play_music(Music);
    SDL_UnlockAudio();
    EXPECT_TRUE(Music.looping());
    EXPECT_TRUE(out.wait_for(44100));
    EXPECT_TRUE(Mix_PlayingMusic());
    shutdown_audio();
    std::vector<std::int16_t> s = out.samples();
    EXPECT_GT(s.size(), 44100u);
    EXPECT_EQ(0, peak(s));
}
