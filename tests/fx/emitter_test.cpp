// The particle engine: emission counts, random ranges, fading, sweeping, mends and drawn pixels.
#include <gtest/gtest.h>

#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
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

// A running emitter at one point, no burst, long-lived particles.
void point_emitter(emitter& e) {
    e.Reset();
    e.x_range = 1;
    e.y_range = 1;
    e.burst = 0;
    e.life = 1000;
}

int degrees_of(const particle* p) {
    int a = static_cast<int>(std::lround(std::atan2(p->dx, p->dy) * 180.0 / M_PI));
    return a <= -180 ? a + 360 : a;
}

// A sprite of `frames` frames side by side, each size x size and of its own colour.
void make_sprite(sprite& s, int size, const std::vector<rgb>& colours) {
    int n = static_cast<int>(colours.size());
    SDL_PixelFormat* f = screen->format;
    SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, size * n, size, f->BitsPerPixel,
                                                f->Rmask, f->Gmask, f->Bmask, 0);
    for (int i = 0; i < n; i++)
        fill_rect(surface, i * size, 0, size, size, colours[i].r, colours[i].g, colours[i].b);
    if (s.surface)
        SDL_FreeSurface(s.surface);
    s.surface = surface;
    s.w = size * n;
    s.h = size;
    s.frame_w = static_cast<float>(size);
    s.frame_h = static_cast<float>(size);
}

int tolerance() {
    return screen->format->BitsPerPixel > 16 ? 1 : 8;
}

} // namespace

TEST(Emitter, NeverStartedRecordIsIdle) {
    emitter e{};
    for (int i = 0; i < 100; i++)
        e.Update(0);
    EXPECT_EQ(e.particles, nullptr);
    EXPECT_EQ(e.age, 100);
}

TEST(Emitter, SpawnDrawsItsRandomNumbersInOrderAndOnlyWhenNeeded) {
    emitter e{};
    point_emitter(e);
    e.x = 10;
    e.y = 20;
    e.x_range = 7;
    e.y_range = 5;
    e.speed = 2.0f;
    e.speed_range = 1.5f;
    e.alpha = 300;
    e.alpha_range = 100;
    e.angle = 30;
    e.spread = 60;
    e.life = 40;
    e.life_range = 10;
    e.fade_start = 4;
    e.frames = 3;
    e.random_frame = 1;

    std::srand(1234);
    int r[8];
    for (int& v : r)
        v = std::rand();
    std::srand(1234);
    e.Spawn();
    const particle* p = e.particles;
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->x, static_cast<float>(r[0] % 7 + 10));
    EXPECT_EQ(p->y, static_cast<float>(r[1] % 5 + 20));
    EXPECT_EQ(p->speed, static_cast<float>(r[2] % 10000) * 0.0001f * 1.5f - 0.5f + 2.0f);
    EXPECT_EQ(p->alpha, r[3] % 100 - 50 + 300);
    EXPECT_EQ(degrees_of(p), 30 + r[4] % 60 - 30);
    EXPECT_EQ(p->life, r[5] % 10 + 40 - 5);
    EXPECT_EQ(p->fade_rate, static_cast<float>(p->alpha / 4));
    EXPECT_EQ(p->frame, static_cast<float>(r[6] % 3));
    EXPECT_EQ(std::rand(), r[7]);

    // Without ranges only the position is drawn: two numbers.
    point_emitter(e);
    std::srand(99);
    std::rand();
    std::rand();
    int third = std::rand();
    std::srand(99);
    e.Spawn();
    EXPECT_EQ(std::rand(), third);
}

TEST(Emitter, EmissionAreaUnderOnePixelSpawnsAtTheCorner) {
    emitter e{};
    e.Reset();
    e.x = 33;
    e.y = 44;
    e.x_range = 0;
    e.y_range = -3;
    std::srand(5);
    int next = std::rand();
    std::srand(5);
    e.Spawn();
    ASSERT_NE(e.particles, nullptr);
    EXPECT_EQ(e.particles->x, 33.0f);
    EXPECT_EQ(e.particles->y, 44.0f);
    EXPECT_EQ(std::rand(), next);
    e.Clear();
}

TEST(Emitter, ContinuousEmissionFollowsTheCredit) {
    emitter e{};
    point_emitter(e);
    e.rate = 0.4f;
    e.end_frame = -1;
    std::srand(7);
    const float credits[3] = {0.4f, 0.8f, 0.0f};
    for (int cycle = 0; cycle < 3; cycle++) {
        for (int i = 0; i < 3; i++) {
            e.Update(0);
            EXPECT_FLOAT_EQ(e.spawn_credit, credits[i]) << "cycle " << cycle << " frame " << i;
            EXPECT_EQ(count(e), cycle + (i == 2 ? 1 : 0)) << "cycle " << cycle << " frame " << i;
        }
    }

    // Whole rates give exactly that many a frame inside the window; fractions are dropped.
    for (float rate : {10.0f, 2.5f}) {
        point_emitter(e);
        e.Clear();
        e.rate = rate;
        e.end_frame = 5;
        for (int frame = 0; frame < 8; frame++) {
            e.Update(0);
            int per_frame = static_cast<int>(rate);
            EXPECT_EQ(count(e), per_frame * std::min(frame + 1, 5)) << "rate " << rate;
        }
    }
    e.Clear();
}

TEST(Emitter, DirectionFans) {
    emitter e{};
    point_emitter(e);
    e.angle = 90;
    e.spread = 45;
    std::srand(11);
    std::set<int> seen;
    for (int i = 0; i < 3000; i++) {
        e.Spawn();
        seen.insert(degrees_of(e.particles));
    }
    std::set<int> fan;
    for (int a = 68; a <= 112; a++)
        fan.insert(a);
    EXPECT_EQ(seen, fan);
    e.Clear();

    e.angle = 0;
    e.spread = 360;
    e.angle_steps = 8;
    seen.clear();
    for (int i = 0; i < 500; i++) {
        e.Spawn();
        seen.insert(degrees_of(e.particles));
    }
    EXPECT_EQ(seen, (std::set<int>{-135, -90, -45, 0, 45, 90, 135, 180}));
    e.Clear();

    // Angle 0 moves straight down the screen, 90 to the right.
    e.angle_steps = 0;
    e.spread = 0;
    e.angle = 90;
    e.Spawn();
    EXPECT_NEAR(e.particles->dx, 1.0f, 1e-6f);
    EXPECT_NEAR(e.particles->dy, 0.0f, 1e-6f);
    e.angle = 0;
    e.Spawn();
    EXPECT_NEAR(e.particles->dy, 1.0f, 1e-6f);
    e.Clear();
}

TEST(Emitter, LifeSpeedAndAlphaRanges) {
    emitter e{};
    point_emitter(e);
    e.life = 25;
    e.life_range = 12;
    e.alpha = 250;
    e.alpha_range = 500;
    e.speed = 4.0f;
    e.speed_range = 3.6f;
    std::srand(3);
    int life_min = 1000, life_max = -1000, alpha_min = 10000, alpha_max = -10000;
    float speed_min = 100.0f, speed_max = -100.0f;
    for (int i = 0; i < 20000; i++) {
        e.Spawn();
        const particle* p = e.particles;
        life_min = std::min(life_min, p->life);
        life_max = std::max(life_max, p->life);
        alpha_min = std::min(alpha_min, p->alpha);
        alpha_max = std::max(alpha_max, p->alpha);
        speed_min = std::min(speed_min, p->speed);
        speed_max = std::max(speed_max, p->speed);
    }
    EXPECT_EQ(life_min, 19);
    EXPECT_EQ(life_max, 30);
    EXPECT_EQ(alpha_min, 0);
    EXPECT_EQ(alpha_max, 499);
    EXPECT_GE(speed_min, 3.5f);
    EXPECT_LT(speed_min, 3.502f);
    EXPECT_LT(speed_max, 7.1f);
    EXPECT_GT(speed_max, 7.098f);
    e.Clear();
}

TEST(Emitter, ParticlesFadeOutOverTheirLastFrames) {
    emitter e{};
    point_emitter(e);
    e.burst = 1;
    e.life = 20;
    e.alpha = 400;
    e.fade_start = 8;
    e.end_frame = -1;
    std::vector<int> alphas;
    for (int i = 0; i < 30 && (i == 0 || e.particles); i++) {
        e.Update(0);
        if (e.particles)
            alphas.push_back(e.particles->alpha);
    }
    ASSERT_EQ(alphas.size(), 20u);
    EXPECT_EQ(e.particles, nullptr);
    for (int i = 0; i < 12; i++)
        EXPECT_EQ(alphas[i], 400) << i;
    for (int i = 0; i < 8; i++)
        EXPECT_EQ(alphas[12 + i], 350 - 50 * i) << 12 + i;
}

TEST(Emitter, SweepStopAndEndlessEmission) {
    emitter e{};
    point_emitter(e);
    e.rate = 1.0f;
    e.life = 3;
    e.end_frame = -1;
    for (int i = 0; i < 300; i++)
        e.Update(0);
    EXPECT_EQ(count(e), 3);

    // Update(1) empties the list without ageing.
    int age = e.age;
    e.Update(1);
    EXPECT_EQ(e.particles, nullptr);
    EXPECT_EQ(e.age, age);

    // At end_frame + life the emitter sweeps itself, long-lived sparks included.
    point_emitter(e);
    e.rate = 10.0f;
    e.life = 3;
    e.life_range = 10;
    e.end_frame = 5;
    std::srand(21);
    for (int i = 0; i < 8; i++)
        e.Update(0);
    ASSERT_GT(count(e), 0);
    e.Update(0);
    EXPECT_EQ(e.particles, nullptr);
}

TEST(Emitter, ResetKeepsLiveParticlesFlying) {
    emitter e{};
    point_emitter(e);
    e.burst = 3;
    e.speed = 2.0f;
    e.end_frame = 100;
    e.Update(0);
    ASSERT_EQ(count(e), 3);
    particle* head = e.particles;
    e.alpha = 5;
    e.Reset();
    EXPECT_EQ(e.particles, head);
    EXPECT_EQ(count(e), 3);
    EXPECT_EQ(e.alpha, 1023);
    float y = head->y;
    e.Move();
    EXPECT_FLOAT_EQ(head->y, y + 2.0f);
    e.Clear();
}

TEST(Emitter, DrawsParticlesWithTheirAlpha) {
    open_test_screen(240, 320);
    sprite s;
    make_sprite(s, 4, {{255, 255, 255}});
    emitter e{};
    point_emitter(e);
    e.burst = 1;
    e.x = 50;
    e.y = 60;
    e.alpha = 400;
    e.end_frame = 10;
    e.Update(0);
    fill_rect(screen, 0, 0, 240, 320, 0, 0, 0);
    e.Draw(s);
    EXPECT_NEAR(pixel_at(screen, 50, 60).r, 100, tolerance());
    EXPECT_NEAR(pixel_at(screen, 53, 63).g, 100, tolerance());
    EXPECT_EQ(pixel_at(screen, 54, 60).r, 0);

    // With an alpha spread each particle uses its own alpha.
    e.alpha_range = 2;
    e.particles->alpha = 1023;
    e.Draw(s);
    EXPECT_EQ(pixel_at(screen, 51, 61).r, 255);

    // An alpha gone below zero draws nothing instead of wrapping round to opaque.
    fill_rect(screen, 0, 0, 240, 320, 0, 0, 0);
    e.particles->alpha = -40;
    e.Draw(s);
    EXPECT_EQ(pixel_at(screen, 51, 61).r, 0);
    e.Clear();
}

TEST(Emitter, SequentialFramesRunDownAndStayInRange) {
    open_test_screen(240, 320);
    sprite s;
    make_sprite(s, 2, {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}});
    emitter e{};
    point_emitter(e);
    e.x = 10;
    e.y = 10;
    e.frames = 3;
    e.life = 30;
    e.Spawn();
    ASSERT_EQ(e.particles->frame, 10.0f);
    // (life left, colour channel expected lit: 0 red, 1 green, 2 blue)
    const int cases[5][2] = {{29, 2}, {20, 2}, {15, 1}, {5, 0}, {45, 2}};
    for (const auto& c : cases) {
        e.particles->life = c[0];
        fill_rect(screen, 0, 0, 240, 320, 0, 0, 0);
        e.Draw(s);
        rgb p = pixel_at(screen, 10, 10);
        int lit[3] = {p.r, p.g, p.b};
        for (int ch = 0; ch < 3; ch++)
            EXPECT_EQ(lit[ch], ch == c[1] ? 255 : 0) << "life " << c[0] << " channel " << ch;
    }

    // More frames than life frames: no division by zero, never past the last frame.
    e.Clear();
    e.life = 2;
    e.Spawn();
    EXPECT_EQ(e.particles->frame, 0.0f);
    for (int life : {2, 1, 0, 9}) {
        e.particles->life = life;
        fill_rect(screen, 0, 0, 240, 320, 0, 0, 0);
        e.Draw(s);
        rgb p = pixel_at(screen, 10, 10);
        EXPECT_EQ(p.r + p.g + p.b, 255) << "life " << life;
        EXPECT_EQ(p.b, life >= 2 ? 255 : 0) << "life " << life;
    }
    e.Clear();
}

TEST(Emitter, MissingPictureDrawsNothingQuietly) {
    open_test_screen(240, 320);
    sprite empty;
    emitter e{};
    point_emitter(e);
    e.burst = 50;
    e.alpha_range = 10;
    e.Update(0);
    testing::internal::CaptureStderr();
    e.Draw(empty);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    e.Clear();
}
