// The particle engine: what a spawn draws at random, fading, stopping, drawn alpha and frames.
#include <gtest/gtest.h>

#include <SDL.h>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "fx/emitter.h"
#include "platform/random.h"
#include "tests/support/test_support.h"
#include "video/sprite.h"
#include "video/video.h"

namespace {

// A running emitter at one point, by default without burst and with long-lived particles.
void point_emitter(emitter& e, int life = 1000, float rate = 0, int end_frame = 1, int burst = 0) {
    e.Reset();
    e.x_range = e.y_range = 1;
    e.life = life;
    e.rate = rate;
    e.end_frame = end_frame;
    e.burst = burst;
}

rgb draw_and_read(emitter& e, sprite& s, int x, int y) {
    fill_rect(screen, 0, 0, 240, 320, 0, 0, 0);
    e.Draw(s);
    return pixel_at(screen, x, y);
}

} // namespace

TEST(Emitter, SpawnDrawsRandomNumbersOnlyForItsRanges) {
    // How many numbers one Spawn takes from the generator.
    auto draws = [](emitter& e) {
        std::vector<int> r(16);
        game_srand(77);
        for (int& v : r)
            v = game_rand();
        game_srand(77);
        e.Spawn();
        return static_cast<int>(std::find(r.begin(), r.end(), game_rand()) - r.begin());
    };
    emitter e{};
    point_emitter(e);
    EXPECT_EQ(draws(e), 2); // the position only
    // An emission area under one pixel spawns at the corner and draws nothing for it.
    e.x = 33;
    e.y = 44;
    e.x_range = 0;
    e.y_range = -3;
    EXPECT_EQ(draws(e), 0);
    EXPECT_EQ(e.particles->x, 33.0f);
    EXPECT_EQ(e.particles->y, 44.0f);
    e.Clear();
}

TEST(Emitter, ParticlesFadeOutOverTheirLastFramesAndStopEmptiesAtOnce) {
    emitter e{};
    point_emitter(e, 20, 0, -1, 1);
    e.alpha = 400;
    e.fade_start = 8;
    for (int i = 0; i < 20; i++) {
        e.Update(0);
        ASSERT_NE(e.particles, nullptr) << i;
        EXPECT_EQ(e.particles->alpha, i < 12 ? 400 : 350 - 50 * (i - 12)) << i;
    }
    e.Update(0);
    EXPECT_EQ(e.particles, nullptr);

    e.Burst();
    e.Update(1);
    EXPECT_EQ(e.particles, nullptr);
}

TEST(Emitter, DrawsEachParticleWithItsAlphaAndFrame) {
    open_test_screen(240, 320);
    sprite s;
    give_frames(s, 2, {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}});
    emitter e{};
    point_emitter(e, 1000, 0, 10, 1);
    e.x = 50;
    e.y = 60;
    e.alpha = 400;
    e.Update(0);
    EXPECT_NEAR(draw_and_read(e, s, 51, 61).r, 100, channel_tolerance());

    // With an alpha spread each particle uses its own alpha; one gone below zero draws nothing
    // instead of wrapping round to opaque.
    e.alpha_range = 2;
    e.particles->alpha = -40;
    EXPECT_EQ(draw_and_read(e, s, 50, 60).r, 0);

    // A picture that failed to load draws nothing, quietly (its loader reported it).
    sprite empty;
    testing::internal::CaptureStderr();
    e.Draw(empty);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    e.Clear();

    // Frames run down with the life left: 0 red, 1 green, 2 blue, -1 anything else. With a life
    // of 2, fewer life frames than pictures: no division by zero, never past the end.
    auto frame_drawn = [&](int life) {
        e.particles->life = life;
        rgb p = draw_and_read(e, s, 50, 60);
        return p.r + p.g + p.b != 255 ? -1 : p.r ? 0 : p.g ? 1 : 2;
    };
    e.alpha_range = 0;
    e.alpha = 1023;
    e.frames = 3;
    const int cases[][3] = {{30, 15, 1}, {30, 45, 2}, {2, 1, 1}, {2, 9, 2}};
    for (const auto& c : cases) {
        e.life = c[0];
        e.Spawn();
        EXPECT_EQ(frame_drawn(c[1]), c[2]) << "life " << c[0] << " left " << c[1];
        e.Clear();
    }
}
