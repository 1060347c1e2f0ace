// Sprites on the headless screen: frame grid, parts, the drawing switch, colour keys, failed loads.
#include <gtest/gtest.h>

#include <SDL.h>
#include <algorithm>
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

// An 8-bit palette picture 8 x 4: index 3 (green) in the top-left corner, 5 (yellow) elsewhere.
void save_palette_bmp(const std::string& path) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 8, 4, 8, 0, 0, 0, 0);
    SDL_Color colours[6] = {{}, {}, {}, {0, 200, 0, 0}, {}, {250, 250, 0, 0}};
    SDL_SetColors(s, colours, 0, 6);
    fill_rect(s, 0, 0, 8, 4, yellow.r, yellow.g, yellow.b);
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
        gfx.count = 0; // pictures from loose files
        save_coded_bmp(dir.file("p.bmp"), 100, 26);
        ASSERT_EQ(s.Load(dir.path().c_str(), "p.bmp", 0), 0);
    }
    void TearDown() override { enable_drawing(1); }
};

TEST_F(sprite_fixture, FrameGridRowByRow) {
    testing::internal::CaptureStderr(); // frames that cannot be drawn are skipped without a word
    s.frame_h = 13.0f;
    s.frame_w = 101.0f; // wider than the picture: skipped, never a row count of 0 to divide by
    s.ChooseBlit(0, 0, 100);
    expect_shows({{0, 100, backdrop}, {24, 112, backdrop}});

    s.frame_w = 25.0f;
    s.ChooseBlit(4, 0.9f, 0); // four frames a row: the first of the second row, at x cut to 0
    expect_shows(
        {{0, 0, coded(0, 13)}, {24, 12, coded(24, 25)}, {25, 0, backdrop}, {0, 13, backdrop}});
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(sprite_fixture, BlitPartTakesWidthAndHeightAndObeysTheSwitch) {
    s.BlitPart(1, 2, 30, 10, 5, 6);
    expect_shows(
        {{5, 6, coded(1, 2)}, {34, 15, coded(30, 11)}, {35, 6, backdrop}, {5, 16, backdrop}});

    // Switched off, frames and parts are not drawn; the whole-picture blit does not look.
    enable_drawing(0);
    s.ChooseBlit(0, 0, 200);
    s.BlitPart(0, 0, 10, 10, 0, 200);
    expect_shows({{0, 200, backdrop}});
    s.Blit(0, 200);
    expect_shows({{0, 200, coded(0, 0)}});
}

// A broken picture drawn at every frame says each failing call once, and the count at exit.
TEST_F(sprite_fixture, EmptySpriteReportsEachDrawOnce) {
    testing::internal::CaptureStderr();
    say_blit_errors_at_exit(); // whatever earlier tests left
    testing::internal::GetCapturedStderr();
    sprite e, other;
    e.frame_w = e.frame_h = other.frame_w = other.frame_h = 1.0f;
    e.w = other.w = 1;
    testing::internal::CaptureStderr();
    for (int frame = 0; frame < 100; frame++) {
        e.Blit(0, 0);
        e.ChooseBlit(0, 0, 0);
        e.BlitPart(0, 0, 1, 1, 0, 0);
    }
    e.Alpha(10);
    other.Blit(0, 0);
    other.Blit(0, 0);
    say_blit_errors_at_exit();
    e.Blit(0, 0); // a new run says it again
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 6) << said; // Alpha's has no line end
    EXPECT_NE(said.find("302 in all"), std::string::npos) << said;
    testing::internal::CaptureStderr();
    say_blit_errors_at_exit(); // nothing repeated: no count
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(sprite_fixture, PaletteKeyOnTopLeftIndexOnly) {
    save_palette_bmp(dir.file("glyphs.bmp"));
    sprite keyed, plain;
    ASSERT_EQ(keyed.Load(dir.path().c_str(), "glyphs.bmp", 1), 0);
    ASSERT_EQ(plain.Load(dir.path().c_str(), "glyphs.bmp", 0), 0);
    keyed.Blit(0, 0);
    plain.Blit(20, 0);
    expect_shows({{0, 0, backdrop}, {1, 0, yellow}, {20, 0, green}});
}

// A load that fails says why in one line and keeps the picture the sprite had.
TEST_F(sprite_fixture, FailedLoadsKeepThePicture) {
    write_file(dir.file("bad.bmp"), "BM not a picture");
    SDL_Surface* before = s.surface;
    testing::internal::CaptureStderr();
    EXPECT_EQ(s.Load(dir.path().c_str(), "bad.bmp", 0), -1);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, std::string("Couldn't load bad.bmp: ") + SDL_GetError() + "\n");
    EXPECT_EQ(s.surface, before);

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

} // namespace
