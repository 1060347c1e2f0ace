// The built media sets, read through the game's own loaders at both Scales.
#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/hss.h"
#include "res/audio.h"
#include "res/pack.h"
#include "tests/platform/sound_files.h"
#include "tests/support/test_support.h"
#include "tests/tools/tool_paths.h"
#include "text/font.h"
#include "video/sprite.h"

namespace {

// One built set per Scale, made once for the whole program.
const std::string& media_folder(int scale) {
    static std::map<int, std::unique_ptr<temp_dir>> dirs;
    auto& d = dirs[scale];
    if (!d) {
        d.reset(new temp_dir());
        std::string cmd = tool_path("tessoli-media") + " --scale " + std::to_string(scale) +
                          " --out " + d->path();
        EXPECT_EQ(0, std::system((cmd + " 2>&1").c_str())) << cmd;
    }
    return d->path();
}

const struct picture {
    const char* name;
    int key;
} kPictures[] = {
    {"donate.jpg", 0}, {"loading.jpg", 0}, {"gra.jpg", 0},        {"goodwork.jpg", 0},
    {"intro.jpg", 0},  {"czas.jpg", 0},    {"verdana20b.bmp", 1}, {"nerwus36.bmp", 1},
    {"part.bmp", 0},   {"part2.bmp", 0},   {"rakieta1.bmp", 1},   {"rakieta2.bmp", 1},
};

const char* const kSounds[] = {"button_p.wav",  "explosion.wav", "good.wav",  "hint_p.wav",
                               "rakieta_p.wav", "button2.wav",   "good_p.wav"};

// Every text the game draws with its fonts, one after the other.
const char* const kGameTexts = "Enable Sound? Yes No Start Game Exit Game Best score: Your score: "
                               "Continue game? Would you like to continue  your saved game? / "
                               "Game Over Good work Level: Score: -0123456789 !.?:";

void open_packs(const std::string& folder) {
    load_pack_index(gfx, folder.c_str(), "gfx.pak", "gfx.def");
    load_pack_index(msx, folder.c_str(), "msx.pak", "msx.def");
}

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

// An 8-bit sheet whose top-left pixel, the key, fills the corners and most of the sheet, yet
// with something drawn on it.
void expect_keyed_in_top_left(const std::string& bmp) {
    SDL_Surface* s =
        SDL_LoadBMP_RW(SDL_RWFromConstMem(bmp.data(), static_cast<int>(bmp.size())), 1);
    ASSERT_NE(nullptr, s);
    ASSERT_EQ(8, s->format->BitsPerPixel);
    const Uint8* px = static_cast<const Uint8*>(s->pixels);
    long keyed = 0, total = long(s->w) * s->h;
    for (int i = 0; i < total; ++i)
        keyed += px[i / s->w * s->pitch + i % s->w] == px[0];
    EXPECT_TRUE(px[0] == px[s->w - 1] && px[0] == px[(s->h - 1) * s->pitch]);
    EXPECT_TRUE(keyed > total / 4 && keyed < total) << keyed << " of " << total;
    SDL_FreeSurface(s);
}

class MediaSet : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        scale = GetParam();
        folder = media_folder(scale);
        open_test_screen(240 * scale, 320 * scale);
        open_packs(folder);
    }
    int scale = 1;
    std::string folder;
};

TEST_P(MediaSet, EveryPictureDecodesWithItsSizeAndKey) {
    const int S = scale, thin = S == 1 ? 13 : 25;
    std::map<std::string, std::pair<int, int>> size;
    for (const picture& p : kPictures) {
        SCOPED_TRACE(p.name);
        EXPECT_NE("", pack_bytes(gfx, p.name)); // listed by its own name
        sprite s;
        ASSERT_EQ(0, s.Load(folder.c_str(), p.name, p.key));
        EXPECT_EQ(p.key == 1, (s.surface->flags & SDL_SRCCOLORKEY) != 0);
        size[p.name] = {s.w, s.h};
        if (p.key == 1)
            expect_keyed_in_top_left(pack_bytes(gfx, p.name));
    }
    for (const char* screen_sized : {"donate.jpg", "loading.jpg", "gra.jpg", "intro.jpg"})
        EXPECT_EQ(size[screen_sized], std::make_pair(240 * S, 320 * S)) << screen_sized;
    EXPECT_EQ(size["rakieta1.bmp"], std::make_pair(50 * S, thin));
    EXPECT_EQ(size["rakieta2.bmp"], std::make_pair(thin, 50 * S));
    EXPECT_EQ(size["goodwork.jpg"].first, 240 * S);
    EXPECT_LE(size["goodwork.jpg"].second, 160 * S); // drawn at y 60, it leaves the lower part free
    EXPECT_TRUE(size["czas.jpg"].first >= 230 * S && size["czas.jpg"].second >= 5 * S);
    EXPECT_EQ(size["verdana20b.bmp"].second, 2 * 16 * S); // two looks stacked, one line apart
    EXPECT_GE(size["nerwus36.bmp"].second, 27 * S);
}

TEST_P(MediaSet, LevelPicturesAreSquareDistinctAndDetailedInEveryTile) {
    const int side = 225 * scale, tile = 45 * scale;
    std::vector<std::vector<double>> means(20); // per picture, tile by tile: red, green, blue
    for (int n = 1; n <= 20; ++n) {
        std::string name = std::to_string(n) + ".jpg";
        SCOPED_TRACE(name);
        sprite s;
        ASSERT_EQ(0, s.Load(folder.c_str(), name.c_str(), 0));
        ASSERT_EQ(std::make_pair(side, side), std::make_pair(s.w, s.h));
        // Each tile must hold something to remember: not one flat colour.
        for (int t = 0; t < 25; ++t) {
            double sum = 0, sum2 = 0, rgb_sum[3] = {};
            int count = 0;
            for (int y = t / 5 * tile; y < (t / 5 + 1) * tile; y += 2)
                for (int x = t % 5 * tile; x < (t % 5 + 1) * tile; x += 2, ++count) {
                    rgb p = pixel_at(s.surface, x, y);
                    double l = 0.299 * p.r + 0.587 * p.g + 0.114 * p.b;
                    sum += l, sum2 += l * l;
                    rgb_sum[0] += p.r, rgb_sum[1] += p.g, rgb_sum[2] += p.b;
                }
            double mean = sum / count;
            EXPECT_GT(std::sqrt(sum2 / count - mean * mean), 6.0) << "tile " << t << " is flat";
            means[n - 1].insert(means[n - 1].end(), rgb_sum, rgb_sum + 3);
        }
    }
    // Tile by tile colour, compared between every two pictures: no two pictures look alike.
    for (int a = 0; a < 20; ++a)
        for (int b = a + 1; b < 20; ++b) {
            double diff = 0, norm = 0;
            for (std::size_t i = 0; i < means[a].size(); ++i) {
                diff += std::fabs(means[a][i] - means[b][i]);
                norm += means[a][i] + means[b][i];
            }
            EXPECT_GT(diff / norm, 0.08) << "pictures " << a + 1 << " and " << b + 1;
        }
}

TEST_P(MediaSet, FontsParseCoverEveryTextAndTheTextsFitTheirPlaces) {
    struct font_files {
        const char *sheet, *metrics;
        int space, line, looks;
    };
    const font_files fonts[] = {{"verdana20b.bmp", "verdana20b.txt", 4 * scale, 16 * scale, 2},
                                {"nerwus36.bmp", "nerwus36.txt", 12 * scale, 27 * scale, 1}};
    font loaded[2];
    for (int k = 0; k < 2; ++k) {
        const font_files& f = fonts[k];
        font& fnt = loaded[k];
        SCOPED_TRACE(f.metrics);
        ASSERT_EQ(0, fnt.Load(folder.c_str(), f.sheet, 1));
        testing::internal::CaptureStderr();
        fnt.LoadMetrics(folder.c_str(), f.metrics, f.space, f.line);
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
        // Every glyph rectangle lies inside the sheet in every look, and within a line.
        for (int i = 0; i < fnt.glyph_count; ++i) {
            const glyph_rect& g = fnt.glyphs[i];
            EXPECT_TRUE(g.x >= 0 && g.x + g.w <= fnt.w && g.h <= f.line &&
                        g.y + g.h + (f.looks - 1) * f.line <= fnt.h)
                << i;
        }
    }
    font &small = loaded[0], &big = loaded[1];
    // "Level:" from x 12 clears a two-digit level that ends at x 72; "Score:" from x 140 clears
    // a four-digit score ending at x 230; the score lines' labels end before their number at x 110.
    EXPECT_LT(12 * scale + small.TextWidth("Level:"), 72 * scale - small.TextWidth("20"));
    EXPECT_LT(140 * scale + small.TextWidth("Score:"), 230 * scale - small.TextWidth("-1234"));
    for (const char* label : {"Best score:", "Your score:"})
        EXPECT_LT(20 * scale + small.TextWidth(label), 110 * scale) << label;
    EXPECT_LT(small.TextWidth("Would you like to continue"), 236 * scale);
    for (const char* title :
         {"Start Game", "Exit Game", "Continue game?", "Game Over", "Good work"})
        EXPECT_LT(big.TextWidth(title), 236 * scale) << title;
    EXPECT_GE(small.TextWidth("W"), 6 * scale); // glyphs are not tiny
}

INSTANTIATE_TEST_SUITE_P(BothScales, MediaSet, ::testing::Values(1, 2));

// The sounds are the same at both Scales. Their format and the tune's length are checked by an
// independent player (module_render.sh); here they go through our own sound layer.
TEST(MediaSounds, DistinctEffectsLoadAndTheTuneIsHeard) {
    open_packs(media_folder(1));
    temp_dir d;
    std::vector<std::int16_t> samples;
    {
        // Only one device at a time: the game's own one (if a test screen opened it) goes first.
        speaker.close();
        sound_files::disk_output out(d.file("out.raw"));
        hssSpeaker sp;
        ASSERT_EQ(0, sp.open(22050, 16, true, 1, 16));
        std::vector<std::string> seen;
        for (const char* name : kSounds) {
            std::string wav = pack_bytes(msx, name);
            for (const std::string& other : seen)
                EXPECT_NE(other, wav) << name << " is the same sound as another effect";
            seen.push_back(wav);
            hssSound sound;
            EXPECT_EQ(0, sound.load(&wav[0], true, wav.size())) << name;
        }
        std::string m = pack_bytes(msx, "1.mod");
        hssMusic music;
        ASSERT_EQ(0, music.load(&m[0], true, m.size()));
        music.loop(true);
        sp.volumeMusics(64);
        SDL_LockAudio();
        out.mark();
        sp.playMusic(&music, 0x10000000);
        SDL_UnlockAudio();
        EXPECT_TRUE(out.wait_for(4 * 44100)); // a couple of seconds of stereo
        sp.close();
        samples = out.samples();
    }
    ASSERT_GT(samples.size(), 4u * 44100);
    EXPECT_GT(sound_files::peak(samples), 3000);
    // Not one loud click: the second half of what was captured is as lively as the first.
    EXPECT_GT(sound_files::peak(samples, samples.size() / 2), 1500);
}

} // namespace
