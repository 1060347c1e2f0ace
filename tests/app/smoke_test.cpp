// A first check that the library links and a headless screen opens.
#include <gtest/gtest.h>

#include "tests/support/test_support.h"
#include "video/video.h"

TEST(Smoke, HeadlessScreenOpens) {
    SDL_Surface* s = open_test_screen(240, 320);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->w, 240);
    EXPECT_EQ(s->h, 320);
}
