// Transitions painted by the fade: alpha per frame, slide positions and unknown kinds.
#include <gtest/gtest.h>

#include <cstdlib>

#include "fx/fade.h"
#include "tests/support/test_support.h"
#include "video/video.h"

namespace {

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
    EXPECT_NEAR(p.r, blend(0, 255, alpha), channel_tolerance())
        << "frame " << frame << " at " << x << "," << y;
    EXPECT_NEAR(p.b, blend(200, 0, alpha), channel_tolerance())
        << "frame " << frame << " at " << x << "," << y;
}

bool is_old(rgb p) {
    return p.r == 0 && p.g == 0 && std::abs(p.b - 200) <= channel_tolerance();
}

} // namespace

TEST(Fade, CrossFadeStepsUpToOpaqueThenEnds) {
    paint_pictures();
    fade f;
    f.Start(1, 25);
    for (int frame = 1; frame <= 13; frame++)
        f.maluj();
    // 13 x 10.2, cut once: the fractions of each step add up.
    expect_blend_at(0, 0, 132, 13);
    expect_blend_at(239, 319, 132, 13);
    for (int frame = 14; frame <= 25; frame++)
        f.maluj();
    expect_blend_at(120, 160, 255, 25);
    EXPECT_EQ(f.done, 0);
    f.maluj();
    EXPECT_EQ(f.done, 1);
}

TEST(Fade, OneAxisSlideStartsDisplacedAndEndsInPlace) {
    // Kind 6 comes up from half a width (120) below; after the first frame that has shrunk by one
    // step, and nothing slides sideways.
    paint_pictures();
    fade f;
    f.Start(6, 25);
    f.maluj();
    const int top = 120 - 120 / 25;
    expect_blend_at(0, top, 10, 1);
    expect_blend_at(239, 319, 10, 1);
    EXPECT_TRUE(is_old(pixel_at(screen, 120, top - 1)));
    for (int frame = 2; frame <= 25; frame++)
        f.maluj();
    expect_blend_at(0, 0, 255, 25);
}

TEST(Fade, UnknownKindPaintsNothingAndUnderOneStepFinishesAtOnce) {
    paint_pictures();
    fade f;
    f.Start(1, 2);
    f.maluj();
    for (int kind : {0, 25}) {
        f.Start(kind, 7);
        fill_rect(screen, 0, 0, 240, 320, 1, 2, 3);
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
