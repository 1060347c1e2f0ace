// Transitions painted by the fade: alpha per frame, slide positions, colour fills and unknown
// kinds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "fx/fade.h"
#include "tests/support/test_support.h"
#include "video/video.h"

namespace {

// 16-bit screens lose the low bits of each channel; 32-bit blends are exact to one step.
int tolerance() {
    return screen->format->BitsPerPixel > 16 ? 1 : 8;
}

int blend(int old_value, int new_value, int alpha) {
    return old_value + (new_value - old_value) * alpha / 255;
}

// Old picture black with blue 200, new picture white with blue 0: red shows the alpha directly.
void paint_pictures() {
    open_test_screen(240, 320);
    fill_rect(screen2[0], 0, 0, 240, 320, 0, 0, 200);
    fill_rect(screen2[1], 0, 0, 240, 320, 255, 255, 0);
    SDL_SetAlpha(screen2[1], 0, 255);
    screen2_screen(0);
}

void expect_blend_at(int x, int y, int alpha, int frame) {
    rgb p = pixel_at(screen, x, y);
    EXPECT_NEAR(p.r, blend(0, 255, alpha), tolerance())
        << "frame " << frame << " at " << x << "," << y;
    EXPECT_NEAR(p.b, blend(200, 0, alpha), tolerance())
        << "frame " << frame << " at " << x << "," << y;
}

bool is_old(rgb p) {
    return p.r == 0 && p.g == 0 && std::abs(p.b - 200) <= tolerance();
}

} // namespace

TEST(Fade, CrossFadesPaintStepsPlusOneFramesThenStop) {
    paint_pictures();
    const int alphas[26] = {10,  20,  30,  40,  51,  61,  71,  81,  91,  102, 112, 122, 132,
                            142, 153, 163, 173, 183, 193, 204, 214, 224, 234, 244, 255, 255};
    fade f;
    f.Start(1, 25);
    for (int i = 0; i < 26; i++) {
        EXPECT_EQ(f.done, 0) << "before frame " << i + 1;
        f.maluj();
        expect_blend_at(0, 0, alphas[i], i + 1);
        expect_blend_at(239, 319, alphas[i], i + 1);
    }
    EXPECT_EQ(f.done, 1);

    // A finished fade paints nothing more and stays finished.
    fill_rect(screen, 0, 0, 240, 320, 9, 99, 199);
    f.maluj();
    f.maluj();
    rgb p = pixel_at(screen, 120, 160);
    EXPECT_EQ(p.r + p.g + p.b, 9 + 99 + 199);
    EXPECT_EQ(f.done, 1);
}

TEST(Fade, EverySlideKindStartsDisplacedTheRightWay) {
    // Start displacement of kinds 2..13 on 240 x 320 (W/2 = 120, H/2 = 160).
    const int start[12][2] = {{120, 120}, {120, -120}, {120, -120}, {-120, -120},
                              {0, 120},   {0, -120},   {120, 0},    {-120, 0},
                              {120, 160}, {120, -160}, {160, -120}, {-160, -120}};
    for (int kind = 2; kind <= 13; kind++) {
        paint_pictures();
        fade f;
        f.Start(kind, 25);
        f.maluj();
        // After the first frame each displacement has shrunk by one step of its distance.
        int pos[2];
        for (int a = 0; a < 2; a++) {
            int d = start[kind - 2][a];
            pos[a] = d - d / 25;
        }
        int left = std::max(pos[0], 0), right = std::min(240, 240 + pos[0]);
        int top = std::max(pos[1], 0), bottom = std::min(320, 320 + pos[1]);
        int mid_x = (left + right) / 2, mid_y = (top + bottom) / 2;
        expect_blend_at(mid_x, mid_y, 10, kind);
        expect_blend_at(left, top, 10, kind);
        expect_blend_at(right - 1, bottom - 1, 10, kind);
        // Just outside the new picture the old one still shows.
        EXPECT_TRUE(left == 0 || is_old(pixel_at(screen, left - 1, mid_y))) << "kind " << kind;
        EXPECT_TRUE(right == 240 || is_old(pixel_at(screen, right, mid_y))) << "kind " << kind;
        EXPECT_TRUE(top == 0 || is_old(pixel_at(screen, mid_x, top - 1))) << "kind " << kind;
        EXPECT_TRUE(bottom == 320 || is_old(pixel_at(screen, mid_x, bottom))) << "kind " << kind;

        // In place and opaque on the 25th frame; the next one ends the fade.
        for (int frame = 2; frame <= 25; frame++)
            f.maluj();
        expect_blend_at(0, 0, 255, kind);
        expect_blend_at(239, 319, 255, kind);
        f.maluj();
        EXPECT_EQ(f.done, 1) << "kind " << kind;
    }
}

TEST(Fade, ColourKindsReplaceTheArrivingPicture) {
    paint_pictures();
    fade f;
    const int colours[3][4] = {{20, 255, 255, 255}, {15, 255, 0, 0}, {23, 128, 128, 128}};
    for (const auto& c : colours) {
        f.Start(c[0], 5);
        rgb p = pixel_at(screen2[1], 239, 319);
        EXPECT_NEAR(p.r, c[1], tolerance()) << "kind " << c[0];
        EXPECT_NEAR(p.g, c[2], tolerance()) << "kind " << c[0];
        EXPECT_NEAR(p.b, c[3], tolerance()) << "kind " << c[0];
    }
    // The colour is what fades in.
    f.Start(20, 5);
    f.maluj();
    rgb p = pixel_at(screen, 10, 10);
    EXPECT_NEAR(p.r, blend(0, 255, 51), tolerance());
    EXPECT_NEAR(p.b, blend(200, 255, 51), tolerance());
}

TEST(Fade, UnknownKindPaintsNothingAndUnderOneStepFinishesAtOnce) {
    paint_pictures();
    fade f;
    f.Start(1, 2);
    while (!f.done)
        f.maluj();
    for (int kind : {0, 25, -3}) {
        f.Start(kind, 7);
        EXPECT_EQ(f.done, 0);
        fill_rect(screen, 0, 0, 240, 320, 1, 2, 3);
        f.maluj();
        f.maluj();
        rgb p = pixel_at(screen, 5, 5);
        EXPECT_EQ(p.r + p.g + p.b, 6) << "kind " << kind;
        EXPECT_EQ(f.done, 0) << "kind " << kind;
    }
    // A known kind afterwards runs normally; under one step shows the new picture in one frame.
    for (int steps : {0, -1}) {
        f.Start(9, steps);
        f.maluj();
        EXPECT_EQ(f.done, 1) << steps << " steps";
        expect_blend_at(0, 160, 255, steps);
        expect_blend_at(239, 160, 255, steps);
    }
}
