// The display helpers: pixel writes at every depth, copies between buffers, their messages.
#include <gtest/gtest.h>

#include <SDL.h>

#include "tests/support/test_support.h"
#include "video/video.h"

namespace {

SDL_Surface* surface_of_depth(int bpp) {
    return SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 3, bpp, 0, 0, 0, 0);
}

Uint8* at(SDL_Surface* s, int x, int y) {
    return static_cast<Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
}

} // namespace

TEST(PutPixel, EveryDepth) {
    SDL_Surface* s8 = surface_of_depth(8);
    SDL_Surface* s16 = surface_of_depth(16);
    SDL_Surface* s24 = surface_of_depth(24);
    SDL_Surface* s32 = surface_of_depth(32);
    ASSERT_EQ(s24->format->BytesPerPixel, 3);

    put_pixel(1, 2, 0xAABBCCDD, s8);
    EXPECT_EQ(*at(s8, 1, 2), 0xDD);
    put_pixel(3, 1, 0xAABBCCDD, s16);
    EXPECT_EQ(*reinterpret_cast<Uint16*>(at(s16, 3, 1)), 0xCCDD);
    put_pixel(2, 0, 0x00112233, s24);
    Uint8* p = at(s24, 2, 0);
    // Bits 0-7 at the lowest address whatever the machine's byte order.
    EXPECT_EQ(p[0], 0x33);
    EXPECT_EQ(p[1], 0x22);
    EXPECT_EQ(p[2], 0x11);
    EXPECT_EQ(p[3], 0x00); // the next pixel is untouched
    put_pixel(0, 0, 0x01020304, s32);
    EXPECT_EQ(*reinterpret_cast<Uint32*>(at(s32, 0, 0)), 0x01020304u);

    SDL_FreeSurface(s8);
    SDL_FreeSurface(s16);
    SDL_FreeSurface(s24);
    SDL_FreeSurface(s32);
}

TEST(PutPixel, EdgesAreGuarded) {
    SDL_Surface* s = surface_of_depth(32);
    SDL_FillRect(s, nullptr, 0);
    put_pixel(4, 0, 0xFFFFFFFF, s);
    put_pixel(0, 3, 0xFFFFFFFF, s);
    put_pixel(-1, 0, 0xFFFFFFFF, s);
    put_pixel(0, -1, 0xFFFFFFFF, s);
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 4; x++)
            EXPECT_EQ(*reinterpret_cast<Uint32*>(at(s, x, y)), 0u);
    put_pixel(3, 2, 0x12345678, s);
    EXPECT_EQ(*reinterpret_cast<Uint32*>(at(s, 3, 2)), 0x12345678u);
    SDL_FreeSurface(s);
}

TEST(Video, ModeAndBackBuffers) {
    SDL_Surface* s = open_test_screen(240, 320);
    EXPECT_EQ(screen_w, 240);
    EXPECT_EQ(screen_h, 320);
    for (SDL_Surface* b : screen2) {
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->w, 240);
        EXPECT_EQ(b->h, 320);
        EXPECT_EQ(b->format->BitsPerPixel, s->format->BitsPerPixel);
    }
    Uint32 red = map_rgb(0x1FF, 0, 0); // only the low 8 bits count
    fill_rect(s, 0, 0, 1, 1, 0, 0, 0);
    put_pixel(0, 0, red, s);
    rgb c = pixel_at(s, 0, 0);
    EXPECT_EQ(c.r, 255);
    EXPECT_EQ(c.g, 0);
}

TEST(Video, DepthAndSquareDisplayRules) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(video_depth_for(8), 16);
    EXPECT_EQ(video_depth_for(4), 16);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "forced 16 bpp mode\nforced 16 bpp mode\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(video_depth_for(32), 32);
    EXPECT_EQ(video_depth_for(16), 16);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    EXPECT_EQ(video_height_for(240, 320, 480, 480), 240);
    EXPECT_EQ(video_height_for(240, 320, 1024, 768), 320);
}

TEST(Video, CopiesMoveTheRightRectangles) {
    SDL_Surface* s = open_test_screen(240, 320);
    fill_rect(screen2[1], 0, 0, 240, 320, 0, 0, 255);
    fill_rect(screen2[1], 5, 6, 30, 40, 255, 0, 0);
    fill_rect(s, 0, 0, 240, 320, 0, 255, 0);

    screen2_screen(1, 10, 20, 5, 6, 30, 40);
    EXPECT_EQ(pixel_at(s, 10, 20).r, 255);
    EXPECT_EQ(pixel_at(s, 39, 59).r, 255);
    EXPECT_EQ(pixel_at(s, 40, 59).g, 255); // one past the width: untouched
    EXPECT_EQ(pixel_at(s, 39, 60).g, 255);
    EXPECT_EQ(pixel_at(s, 9, 20).g, 255);

    screen2_screen(1, 100, 200);
    EXPECT_EQ(pixel_at(s, 105, 206).r, 255);
    EXPECT_EQ(pixel_at(s, 100, 200).b, 255);
    EXPECT_EQ(pixel_at(s, 99, 199).g, 255);

    fill_rect(s, 0, 0, 240, 320, 1, 2, 3);
    screen_screen2(2);
    EXPECT_EQ(pixel_at(screen2[2], 239, 319).b, 3);
    screen2_screen(1);
    EXPECT_EQ(pixel_at(s, 0, 0).b, 255);
    EXPECT_EQ(pixel_at(s, 5, 6).r, 255);
}

TEST(Video, NothingMovesBeforeDrawingIsEnabled) {
    SDL_Surface* s = open_test_screen(240, 320);
    fill_rect(s, 0, 0, 240, 320, 9, 9, 9);
    fill_rect(screen2[0], 0, 0, 240, 320, 200, 0, 0);
    SDL_Surface* kept = screen2[1];
    screen2[1] = nullptr; // a failing copy would print if it ran
    enable_drawing(0);
    testing::internal::CaptureStderr();
    screen2_screen(0);
    screen2_screen(1);
    screen_screen2(1);
    flip_screen();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(pixel_at(s, 0, 0).r, 9);
    screen2[1] = kept;
    enable_drawing(1);
}

TEST(Video, CopyFailuresPrintTheirMessagesExactly) {
    open_test_screen(240, 320);
    SDL_Surface* kept = screen2[2];
    screen2[2] = nullptr;
    testing::internal::CaptureStderr();
    screen_screen2(2);
    screen2_screen(2);
    screen2_screen(2, 1, 2);
    screen2_screen(2, 1, 2, 3, 4, 5, 6);
    std::string err = testing::internal::GetCapturedStderr();
    screen2[2] = kept;
    EXPECT_EQ(err, "Blit error: screen_screen2(int n)\n"
                   "Blit error: screen2_screen(int n)"
                   "Blit error: screen2_screen(int n, int pos_x, int pos_y)"
                   "Blit error: screen2_screen(int n, int pos_x, int pos_y, int x, int y, int x1, "
                   "int y1)");
}

TEST(Video, FreeScreen2ReleasesAll) {
    open_test_screen(240, 320);
    free_screen2();
    for (SDL_Surface* b : screen2)
        EXPECT_EQ(b, nullptr);
    free_screen2(); // twice is harmless
}
