// The display helpers: pixel writes at every depth, copies between buffers, their messages.
#include <gtest/gtest.h>

#include <SDL.h>
#include <string>

#include "tests/support/test_support.h"
#include "video/video.h"

// How many bytes of the surface's pixels are not 0.
static int bytes_set(SDL_Surface* s) {
    int set = 0;
    for (int i = 0; i < s->pitch * s->h; i++)
        set += static_cast<Uint8*>(s->pixels)[i] != 0;
    return set;
}

TEST(PutPixel, EveryDepthInsideTheEdgesOnly) {
    for (int bpp : {8, 16, 24, 32}) {
        SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 3, bpp, 0, 0, 0, 0);
        ASSERT_EQ(s->format->BytesPerPixel, bpp / 8);
        SDL_FillRect(s, nullptr, 0);
        const int outside[4][2] = {{4, 0}, {0, 3}, {-1, 0}, {0, -1}};
        for (const auto& o : outside)
            put_pixel(o[0], o[1], 0xFFFFFFFF, s);
        put_pixel(2, 1, 0x44332211, s);
        // The low bytes of the value, the 24-bit ones low first whatever the machine's byte
        // order; every other byte of the surface stays 0.
        const Uint8* p = static_cast<Uint8*>(s->pixels) + s->pitch + 2 * (bpp / 8);
        Uint32 got = bpp == 16   ? *reinterpret_cast<const Uint16*>(p)
                     : bpp == 32 ? *reinterpret_cast<const Uint32*>(p)
                                 : p[0] | (bpp == 24 ? p[1] << 8 | p[2] << 16 : 0);
        EXPECT_EQ(got, bpp == 32 ? 0x44332211u : 0x44332211u & ((1u << bpp) - 1)) << bpp;
        EXPECT_EQ(bytes_set(s), bpp / 8) << bpp;
        SDL_FreeSurface(s);
    }
}

TEST(PutPixel, NothingWhereASurfaceHasNoPixels) {
    // The browser's screen has none until it is locked; a write must not land anywhere.
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 64, 64, 32, 0, 0, 0, 0);
    void* pixels = s->pixels;
    s->pixels = nullptr;
    put_pixel(40, 40, 0xFF000000, s);
    draw_line(0, 10, 63, 10, 0xFF000000, s);
    s->pixels = pixels;
    EXPECT_EQ(bytes_set(s), 0);
    SDL_FreeSurface(s);
}

TEST(Video, DepthRule) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(video_depth_for(8), 16);
    EXPECT_EQ(video_depth_for(15), 15);
    testing::internal::GetCapturedStderr();
}

// A copy from or to a missing buffer does nothing and never crashes; it is said once while
// drawing, and not at all while drawing is off (when no copy draws).
TEST(Video, CopiesWithAMissingBufferAreSaidOnceAndOnlyWhileDrawing) {
    SDL_Surface* s = open_test_screen(240, 320);
    fill_rect(s, 0, 0, 240, 320, 9, 9, 9);
    fill_rect(screen2[0], 0, 0, 240, 320, 200, 0, 0);
    SDL_Surface* kept = screen2[2];
    screen2[2] = nullptr;
    auto copy_missing = [] {
        testing::internal::CaptureStderr();
        screen_screen2(2);
        screen2_screen(2);
        screen2_screen(2, 1, 2);
        screen2_screen(2, 1, 2, 3, 4, 5, 6);
        return testing::internal::GetCapturedStderr();
    };
    enable_drawing(0);
    EXPECT_EQ(copy_missing(), "");
    screen2_screen(0);
    flip_screen();
    EXPECT_EQ(pixel_at(s, 0, 0).r, 9);
    enable_drawing(1);
    testing::internal::CaptureStderr();
    say_blit_errors_at_exit(); // whatever earlier tests left
    testing::internal::GetCapturedStderr();
    std::string err = copy_missing();
    std::string again = copy_missing();
    screen2[2] = kept;
    EXPECT_NE(err, "");
    EXPECT_EQ(again, "");
}
