// Sprites on the headless screen: positions, frame grid, parts, alpha, loading and colour keys.
#include <gtest/gtest.h>

#include <SDL.h>
#include <initializer_list>
#include <string>
#include <tuple>
#include <sys/stat.h>

#include "res/pack.h"
#include "tests/support/test_support.h"
#include "video/sprite.h"
#include "video/video.h"

namespace {

// Every pixel of the picture tells where it came from: red = 2x, green = 8y, blue 99.
rgb coded(int x, int y) {
    return rgb{2 * x, 8 * y, 99};
}

const rgb backdrop{0, 0, 255}, green{0, 200, 0}, yellow{250, 250, 0};

void save_coded_bmp(const std::string& path, int w, int h) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0xff, 0xff00, 0xff0000, 0);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            fill_rect(s, x, y, 1, 1, coded(x, y).r, coded(x, y).g, coded(x, y).b);
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
}

// An 8-bit palette picture 8 x 4: index 3 (green) in the top-left corner and the right half,
// index 5 (yellow) elsewhere.
void save_palette_bmp(const std::string& path) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 8, 4, 8, 0, 0, 0, 0);
    SDL_Color colours[6] = {{}, {}, {}, {0, 200, 0, 0}, {}, {250, 250, 0, 0}};
    SDL_SetColors(s, colours, 0, 6);
    fill_rect(s, 0, 0, 8, 4, yellow.r, yellow.g, yellow.b);
    fill_rect(s, 4, 0, 4, 4, green.r, green.g, green.b);
    fill_rect(s, 0, 0, 1, 1, green.r, green.g, green.b);
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
}

struct spot {
    int x, y;
    rgb want;
};

// Each screen spot must show its colour; a failure names the spot and what it shows.
void expect_shows(std::initializer_list<spot> spots) {
    for (const spot& p : spots) {
        rgb got = pixel_at(screen, p.x, p.y);
        EXPECT_EQ(std::make_tuple(got.r, got.g, got.b),
                  std::make_tuple(p.want.r, p.want.g, p.want.b))
            << "screen (" << p.x << "," << p.y << ")";
    }
}

// s holds a coded picture of 100 x 26 at the top-left corner.
struct sprite_fixture : testing::Test {
    temp_dir dir;
    sprite s;
    void SetUp() override {
        open_test_screen(240, 320);
        fill_rect(screen, 0, 0, 240, 320, backdrop.r, backdrop.g, backdrop.b);
        gfx.count = 0;
        save_coded_bmp(dir.file("p.bmp"), 100, 26);
        ASSERT_EQ(s.Load(dir.path().c_str(), "p.bmp", 0), 0);
    }
    void TearDown() override {
        gfx.count = 0;
        enable_drawing(1);
    }
};

TEST_F(sprite_fixture, FrameGridRowByRow) {
    testing::internal::CaptureStderr(); // frames that cannot be drawn are skipped without a word
    s.frame_h = 13.0f;
    s.y = 100;
    for (float wide : {0.0f, 101.0f}) { // no whole frame in a row
        s.frame_w = wide;
        s.ChooseBlit(0);
    }
    s.frame_w = 25.0f;
    s.ChooseBlit(-1);
    s.ChooseBlit(8); // below the last row
    expect_shows({{0, 100, backdrop}, {24, 112, backdrop}});

    s.y = 0;
    s.ChooseBlit(4); // four frames a row: the first of the second row
    expect_shows(
        {{0, 0, coded(0, 13)}, {24, 12, coded(24, 25)}, {25, 0, backdrop}, {0, 13, backdrop}});
    // Fractional frames: left = trunc(1 * 33.5) = 33, width = 33.
    s.x = 120;
    s.frame_w = 33.5f;
    s.ChooseBlit(1);
    expect_shows({{120, 0, coded(33, 0)}, {152, 0, coded(65, 0)}, {153, 0, backdrop}});
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(sprite_fixture, BlitPartTakesWidthAndHeightAndObeysTheSwitch) {
    s.x = 5;
    s.y = 6;
    s.BlitPart(0, 0, 30, 10);
    expect_shows(
        {{5, 6, coded(0, 0)}, {34, 15, coded(29, 9)}, {35, 6, backdrop}, {5, 16, backdrop}});
    s.x = 0;
    s.y = 100;
    s.BlitPart(40, 20, 10, 10); // clipped by the picture's bottom at row 25
    expect_shows({{0, 100, coded(40, 20)}, {9, 105, coded(49, 25)}, {0, 106, backdrop}});

    // Switched off, frames and parts are not drawn; the whole-picture blit does not look.
    s.y = 200;
    enable_drawing(0);
    s.ChooseBlit(0);
    s.BlitPart(0, 0, 10, 10);
    expect_shows({{0, 200, backdrop}});
    s.Blit();
    expect_shows({{0, 200, coded(0, 0)}});
}

TEST_F(sprite_fixture, EmptySpriteReportsEachDraw) {
    sprite e;
    e.frame_w = e.frame_h = 1.0f;
    e.w = 1;
    testing::internal::CaptureStderr();
    e.Blit();
    e.ChooseBlit(0);
    e.BlitPart(0, 0, 1, 1);
    e.Alpha(10);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Blit error: sprite::Blit()\n"
              "Blit error: sprite::ChooseBlit(int number)\n"
              "Blit error: sprite::BlitPart(int x, int y, int x1, int y1)\n"
              "Alpha error: sprite::Alpha(int value)");
}

TEST_F(sprite_fixture, AlphaUsesTheLowEightBits) {
    s.Alpha(128 + 256);
    s.Blit();
    rgb half = pixel_at(screen, 99, 25); // (198, 200, 99) half over the backdrop (0, 0, 255)
    EXPECT_NEAR(half.r, 99, 2);
    EXPECT_NEAR(half.b, 177, 2);
    // A new picture comes without the old alpha.
    ASSERT_EQ(s.Load(dir.path().c_str(), "p.bmp", 0), 0);
    s.y = 100;
    s.Blit();
    expect_shows({{0, 100, coded(0, 0)}});
}

TEST_F(sprite_fixture, PaletteKeyOnTopLeftIndexOnly) {
    save_palette_bmp(dir.file("glyphs.bmp"));
    save_coded_bmp(dir.file("true.bmp"), 8, 4);
    sprite keyed, plain, truecolour;
    ASSERT_EQ(keyed.Load(dir.path().c_str(), "glyphs.bmp", 1), 0);
    ASSERT_EQ(plain.Load(dir.path().c_str(), "glyphs.bmp", 0), 0);
    // A true-colour picture (as every JPEG is) gets no key even when asked.
    ASSERT_EQ(truecolour.Load(dir.path().c_str(), "true.bmp", 1), 0);
    plain.x = 20;
    truecolour.x = 40;
    keyed.Blit();
    plain.Blit();
    truecolour.Blit();
    expect_shows(
        {{0, 0, backdrop}, {5, 2, backdrop}, {1, 0, yellow}, {20, 0, green}, {40, 0, coded(0, 0)}});
}

TEST_F(sprite_fixture, ReloadKeepsThePositionAndAFailedLoadKeepsAll) {
    save_coded_bmp(dir.file("b.bmp"), 20, 5);
    write_file(dir.file("bad.bmp"), "BM not a picture");
    s.frame_w = 2;
    s.x = 10.9f;
    s.y = -3.7f;
    ASSERT_EQ(s.Load(dir.path().c_str(), "b.bmp", 0), 0);
    EXPECT_EQ(std::make_tuple(s.w, s.frame_w, int(s.surface->format->BitsPerPixel)),
              std::make_tuple(20, 20.0f, int(screen->format->BitsPerPixel)));
    SDL_Surface* before = s.surface;
    for (const char* name : {"missing.bmp", "bad.bmp"}) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(s.Load(dir.path().c_str(), name, 0), -1);
        std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(err, std::string("Couldn't load ") + name + ": " + SDL_GetError() + "\n");
        EXPECT_EQ(s.surface, before);
    }
    s.Blit(); // at 10, -3: toward zero both ways
    expect_shows({{10, 0, coded(0, 3)},
                  {9, 0, backdrop},
                  {29, 1, coded(19, 4)},
                  {30, 1, backdrop},
                  {10, 2, backdrop}});
}

TEST_F(sprite_fixture, OverlongLoosePathIsRefused) {
    // A folder of 250 characters: with "p.bmp" the path is 255 and loads; one more is refused.
    std::string folder = dir.path() + std::string(250 - dir.path().size() - 1, 'd') + "/";
    ASSERT_EQ(folder.size(), 250u);
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    save_coded_bmp(folder + "p.bmp", 4, 4);
    save_coded_bmp(folder + "pp.bmp", 4, 4);
    EXPECT_EQ(s.Load(folder.c_str(), "p.bmp", 0), 0);
    testing::internal::CaptureStderr();
    EXPECT_EQ(s.Load(folder.c_str(), "pp.bmp", 0), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Couldn't load pp.bmp: path too long\n");
    EXPECT_EQ(s.w, 4);
}

TEST_F(sprite_fixture, PicturesFromThePack) {
    save_coded_bmp(dir.file("b.bmp"), 20, 5);
    std::string b = read_file(dir.file("b.bmp"));
    write_file(dir.file("gfx.pak"), b);
    write_file(dir.file("gfx.def"),
               "huge.bmp 0 999999\nb.bmp 0 " + std::to_string(b.size()) + "\nend\n");
    load_pack_index(gfx, dir.path().c_str(), "gfx.pak", "gfx.def");
    ASSERT_EQ(s.Load(dir.path().c_str(), "unknown.jpg", 0), 0); // the last entry: b.bmp
    EXPECT_EQ(s.w, 20);
    testing::internal::CaptureStderr();
    EXPECT_EQ(s.Load(dir.path().c_str(), "huge.bmp", 0), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Couldn't load huge.bmp: entry (offset 0, size 999999) lies beyond the end of " +
                  dir.path() + "gfx.pak\n");
    EXPECT_EQ(s.w, 20);
}

} // namespace
