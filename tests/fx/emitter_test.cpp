// The particle engine: emission counts, random ranges, fading, stopping, mends and drawn pixels.
#include <gtest/gtest.h>

#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <tuple>
#include <vector>

#include "fx/emitter.h"
#include "tests/support/test_support.h"
#include "video/sprite.h"
#include "video/video.h"

namespace {

int count(const emitter& e) {
    int n = 0;
    for (particle* p = e.particles; p; p = p->next)
        n++;
    return n;
}

// A running emitter at one point, by default without burst and with long-lived particles.
void point_emitter(emitter& e, int life = 1000, float rate = 0, int end_frame = 1, int burst = 0) {
    e.Reset();
    e.x_range = e.y_range = 1;
    e.life = life;
    e.rate = rate;
    e.end_frame = end_frame;
    e.burst = burst;
}

// A particle's direction in whole degrees, within -179..180.
int degrees(const particle& p) {
    int a = static_cast<int>(std::lround(std::atan2(p.dx, p.dy) * 180 / M_PI));
    return a <= -180 ? a + 360 : a;
}

// A sprite of one size x size frame per colour, side by side, on a black 240x320 screen.
void make_sprite(sprite& s, int size, const std::vector<rgb>& colours) {
    open_test_screen(240, 320);
    int n = static_cast<int>(colours.size());
    SDL_PixelFormat* f = screen->format;
    SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, size * n, size, f->BitsPerPixel,
                                                f->Rmask, f->Gmask, f->Bmask, 0);
    for (int i = 0; i < n; i++)
        fill_rect(surface, i * size, 0, size, size, colours[i].r, colours[i].g, colours[i].b);
    s.surface = surface;
    s.w = size * n;
    s.h = size;
    s.frame_w = s.frame_h = static_cast<float>(size);
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
        std::srand(77);
        for (int& v : r)
            v = std::rand();
        std::srand(77);
        e.Spawn();
        return static_cast<int>(std::find(r.begin(), r.end(), std::rand()) - r.begin());
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

TEST(Emitter, ContinuousEmissionFollowsTheCredit) {
    emitter e{};
    point_emitter(e, 1000, 0.4f, -1);
    std::srand(7);
    const float credits[3] = {0.4f, 0.8f, 0.0f};
    for (int frame = 0; frame < 9; frame++) {
        e.Update(0);
        EXPECT_FLOAT_EQ(e.spawn_credit, credits[frame % 3]) << "frame " << frame;
        EXPECT_EQ(count(e), (frame + 1) / 3) << "frame " << frame;
    }
    // Update(1) empties the list without ageing.
    int age = e.age;
    e.Update(1);
    EXPECT_EQ(e.particles, nullptr);
    EXPECT_EQ(e.age, age);
}

TEST(Emitter, SpawnRanges) {
    emitter e{};
    point_emitter(e, 25);
    e.angle = 90;
    e.spread = 45;
    e.life_range = 12;
    e.alpha = 250;
    e.alpha_range = 500;
    e.speed = 4.0f;
    e.speed_range = 3.6f;
    std::srand(3);
    std::set<int> life, alpha, fan_seen, fan_wanted;
    float slow = 100, fast = 0;
    for (int i = 0; i < 20000; i++) {
        e.Spawn();
        const particle& p = *e.particles;
        life.insert(p.life);
        alpha.insert(p.alpha);
        fan_seen.insert(degrees(p));
        slow = std::min(slow, p.speed);
        fast = std::max(fast, p.speed);
    }
    e.Clear();
    for (int a = 68; a <= 112; a++)
        fan_wanted.insert(a);
    EXPECT_EQ(fan_seen, fan_wanted);
    EXPECT_EQ(std::make_tuple(*life.begin(), *life.rbegin(), life.size()),
              std::make_tuple(19, 30, std::size_t(12)));
    EXPECT_EQ(std::make_pair(*alpha.begin(), *alpha.rbegin()), std::make_pair(0, 499));
    EXPECT_NEAR(slow, 3.501f, 0.001f);
    EXPECT_NEAR(fast, 7.099f, 0.001f);

    // In steps the spread is cut into equal directions.
    e.angle = 0;
    e.spread = 360;
    e.angle_steps = 8;
    std::set<int> steps;
    for (int i = 0; i < 500; i++) {
        e.Spawn();
        steps.insert(degrees(*e.particles));
    }
    EXPECT_EQ(steps, (std::set<int>{-135, -90, -45, 0, 45, 90, 135, 180}));
}

TEST(Emitter, ParticlesFadeOutOverTheirLastFrames) {
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
}

TEST(Emitter, DrawsEachParticleWithItsAlphaAndFrame) {
    sprite s;
    make_sprite(s, 2, {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}});
    int tolerance = screen->format->BitsPerPixel > 16 ? 1 : 8;
    emitter e{};
    point_emitter(e, 1000, 0, 10, 1);
    e.x = 50;
    e.y = 60;
    e.alpha = 400;
    e.Update(0);
    EXPECT_NEAR(draw_and_read(e, s, 51, 61).r, 100, tolerance);
    EXPECT_EQ(pixel_at(screen, 52, 60).g, 0); // one frame only

    // With an alpha spread each particle uses its own alpha; one gone below zero draws nothing
    // instead of wrapping round to opaque.
    e.alpha_range = 2;
    e.particles->alpha = 1023;
    EXPECT_EQ(draw_and_read(e, s, 50, 60).r, 255);
    e.particles->alpha = -40;
    EXPECT_EQ(draw_and_read(e, s, 50, 60).r, 0);

    // A picture that failed to load draws nothing, quietly (its loader reported it).
    sprite empty;
    testing::internal::CaptureStderr();
    e.Draw(empty);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    e.Clear();

    // Frames run down with the life left: 0 red, 1 green, 2 blue, -1 anything else. A
    // long-lived spark holds the last frame; with a life of 2, fewer life frames than pictures:
    // no division by zero, never past the end.
    auto frame_drawn = [&](int life) {
        e.particles->life = life;
        rgb p = draw_and_read(e, s, 50, 60);
        return p.r + p.g + p.b != 255 ? -1 : p.r ? 0 : p.g ? 1 : 2;
    };
    e.alpha_range = 0;
    e.alpha = 1023;
    e.frames = 3;
    const int cases[][3] = {{30, 20, 2}, {30, 15, 1}, {30, 5, 0}, {30, 45, 2},
                            {2, 1, 1},   {2, 0, 0},   {2, 9, 2}};
    for (const auto& c : cases) {
        e.life = c[0];
        e.Spawn();
        EXPECT_EQ(frame_drawn(c[1]), c[2]) << "life " << c[0] << " left " << c[1];
        e.Clear();
    }
}
