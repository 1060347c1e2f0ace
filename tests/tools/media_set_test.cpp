// The built media sets, read through the game's own loaders at both Scales.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "app/globals.h"
#include "platform/hss.h"
#include "res/audio.h"
#include "game/level.h"
#include "game/twins.h"
#include "res/pack.h"
#include "tests/platform/sound_files.h"
#include "tests/support/test_support.h"
#include "text/font.h"
#include "text/font_sizes.h"
#include "video/sprite.h"

namespace {

// The sets the build made with tessoli-media.
std::string media_folder(int scale) {
    return media_root() + (scale == 1 ? "/media-s1/" : "/media/");
}

// Every text the game draws with its fonts, one after the other.
const char* const kGameTexts = "Enable Sound? Yes No Start Game Exit Game Best score: Your score: "
                               "Continue game? Would you like to continue  your saved game? / "
                               "Game Over Good work Level: Score: -0123456789 !.?:";

// The entry's bytes, or nothing when the index does not list the name itself (the reader would
// quietly give the last entry for a missing one).
std::string pack_bytes(PackIndex& pack, const char* name) {
    if (std::none_of(pack.names, pack.names + pack.count,
                     [name](const char* n) { return std::strcmp(n, name) == 0; }))
        return std::string();
    int size = 0;
    unsigned char* data = read_pack_entry(pack, name, &size);
    std::string out = data ? std::string(reinterpret_cast<char*>(data), size) : std::string();
    std::free(data);
    return out;
}

class MediaSet : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        scale = GetParam();
        folder = media_folder(scale);
        open_test_screen(240 * scale, 320 * scale);
        load_pack_index(gfx, folder.c_str(), "gfx.pak", "gfx.def");
    }
    int scale = 1;
    std::string folder;
};

// Each level picture is square and its own. No part
// of the canvas was left undrawn: no scene draws pure black on purpose (night skies and shadows
// are coloured), so no row may hold a run of pure black longer than one block of a tile print.
// And a memory puzzle is only fair when every tile can be told from every other: no pair of tiles
// may come under the twin threshold (so the built-in pictures never have twins), in colour, in
// grey, or as players with deuteranopia or protanopia see them.
TEST_P(MediaSet, LevelPicturesAreDistinctWhollyDrawnAndTwinFree) {
    const int side = 225 * scale, tile = 45 * scale;
    std::set<std::string> distinct;
    for (int n = 1; n <= 20; ++n) {
        std::string name = std::to_string(n) + ".jpg";
        SCOPED_TRACE(name);
        distinct.insert(pack_bytes(gfx, name.c_str()));
        sprite s;
        ASSERT_EQ(0, s.Load(folder.c_str(), name.c_str(), 0));
        ASSERT_EQ(std::make_pair(side, side), std::make_pair(s.w, s.h));
        int longest = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0, run = 0; x < side; ++x) {
                rgb p = pixel_at(s.surface, x, y);
                run = std::max(p.r, std::max(p.g, p.b)) <= 4 ? run + 1 : 0;
                longest = std::max(longest, run);
            }
        EXPECT_LE(longest, 5 * scale) << "black pixels in a row";
        static tile_prints prints, seen;
        ASSERT_TRUE(picture_tile_prints(s, tile, &prints));
        for (tile_view view : kTileViews) {
            view_tile_prints(prints, view, &seen);
            for (int a = 0; a < 25; ++a)
                for (int b = a + 1; b < 25; ++b)
                    EXPECT_GE(tile_difference(seen, a, b), kTwinThreshold)
                        << "tiles " << a << " and " << b << " in " << tile_view_name(view);
        }
    }
    EXPECT_EQ(20u, distinct.size());
}

TEST_P(MediaSet, FontsCoverEveryTextAndTheTextsFitTheirPlaces) {
    struct font_files {
        const char *sheet, *metrics;
        int space, line;
    };
    const font_files fonts[] = {
        {"verdana20b.bmp", "verdana20b.txt", SmallFontSize.space_width, SmallFontSize.line_height},
        {"nerwus36.bmp", "nerwus36.txt", BigFontSize.space_width, BigFontSize.line_height}};
    font loaded[2];
    for (int k = 0; k < 2; ++k) {
        const font_files& f = fonts[k];
        font& fnt = loaded[k];
        SCOPED_TRACE(f.metrics);
        ASSERT_EQ(0, fnt.Load(folder.c_str(), f.sheet, 1));
        testing::internal::CaptureStderr();
        fnt.LoadMetrics(folder.c_str(), f.metrics, f.space * scale, f.line * scale);
        EXPECT_EQ("", testing::internal::GetCapturedStderr());
        // Glyph 0 belongs to the first character the file lists (18 bytes past the count's
        // line end); every other character of the texts has a glyph number of its own.
        std::string text = read_file(folder + f.metrics);
        unsigned char first = static_cast<unsigned char>(text.at(text.find('\n') + 18));
        for (const char* p = kGameTexts; *p; ++p) {
            unsigned char c = static_cast<unsigned char>(*p);
            EXPECT_TRUE(c == ' ' ||
                        ((fnt.glyph_of[c] != 0 || c == first) && fnt.glyphs[fnt.glyph_of[c]].w > 0))
                << "no glyph for '" << *p << "'";
        }
    }
    font &small = loaded[0], &big = loaded[1];
    // "Score:" from x 140 clears a four-digit score ending at x 230; the longest title fits.
    EXPECT_LT(140 * scale + small.TextWidth("Score:"), 230 * scale - small.TextWidth("-1234"));
    EXPECT_LT(big.TextWidth("Continue game?"), 236 * scale);
}

INSTANTIATE_TEST_SUITE_P(BothScales, MediaSet, ::testing::Values(1, 2));

// The sounds are the same at both Scales; how they sound is left to an independent player
// (module_render.sh). Here: every effect is a sound of its own and our sound layer takes them all;
// the game's own mix heard through SDL's disk driver, at the volume "Yes" gives: the whole tune
// (one pass and a little) with the heaviest overlap of effects the rules can make (one on each
// of the four channels they use) started again and again over it. Every moment keeps 1 dB of
// headroom, and the tune's left and right share every instrument.
using namespace sound_files;

TEST(MediaSounds, MixKeepsHeadroomAndTheTuneSitsInBothEars) {
    load_pack_index(msx, media_folder(1).c_str(), "msx.pak", "msx.def");
    speaker.close();
    temp_dir d;
    disk_output out(d.file("out.raw"));
    ASSERT_EQ(0, speaker.open(22050, 16, true, 1, 16));
    int rate = 0, channels = 0;
    Uint16 format = 0;
    ASSERT_NE(0, Mix_QuerySpec(&rate, &format, &channels));
    ASSERT_EQ(2, channels);
    load_music(Music, "", "1.mod");
    const char* names[] = {"button_p.wav",  "explosion.wav", "good.wav",  "hint_p.wav",
                           "rakieta_p.wav", "button2.wav",   "good_p.wav"};
    std::set<std::string> distinct;
    for (int k = 0; k < 7; ++k) {
        load_sound(Sounds[k], "", names[k]);
        EXPECT_TRUE(Sounds[k].loaded()) << names[k];
        distinct.insert(pack_bytes(msx, names[k]));
    }
    EXPECT_EQ(7u, distinct.size());
    ASSERT_TRUE(Music.loaded());
    set_audio(0, 0, 128, 128);
    SDL_LockAudio();
    out.mark();
    play_music(Music);
    SDL_UnlockAudio();
    // 20 s of the tune alone, then 70 s with the effects over it.
    const long second = 2L * rate;
    ASSERT_TRUE(out.wait_for(20 * second));
    hssSound* on_zero[] = {&RocketSound, &GoodPSound, &GoodSound, &ButtonSound};
    for (int burst = 0; burst < 140; ++burst) {
        SDL_LockAudio();
        out.mark();
        play_sound(*on_zero[burst % 4], 0);
        play_sound(ExplosionSound, 1);
        play_sound(HintSound, 2);
        play_sound(Button2Sound, 3);
        SDL_UnlockAudio();
        // The next burst about half a second of output later.
        ASSERT_TRUE(out.wait_for(second / 2));
    }
    shutdown_audio();
    speaker.close();
    std::vector<std::int16_t> s = out.samples();
    ASSERT_GT(s.size(), static_cast<std::size_t>(80 * second));
    int top = peak(s);
    double dbfs = 20 * std::log10(top / 32768.0);
    // Correlation of left and right over the tune alone (after its first second).
    double sl = 0, sr = 0, sll = 0, srr = 0, slr = 0;
    long n = 0;
    for (std::size_t i = second; i + 1 < static_cast<std::size_t>(20 * second); i += 2, ++n) {
        double l = s[i], r = s[i + 1];
        sl += l;
        sr += r;
        sll += l * l;
        srr += r * r;
        slr += l * r;
    }
    double cov = slr / n - sl / n * sr / n;
    double corr = cov / std::sqrt((sll / n - sl / n * sl / n) * (srr / n - sr / n * sr / n));
    EXPECT_LE(dbfs, -1.0) << "peak " << top;
    EXPECT_GE(corr, 0.8) << "tune L/R correlation";
}

} // namespace
