// The effect presets: explosion slots and sounds, trail directions, the hint marker and drawn
// sparks.
#include <gtest/gtest.h>

#include <SDL.h>
#include <cmath>
#include <utility>
#include <vector>

#include "app/globals.h"
#include "app/startup.h"
#include "app/state.h"
#include "fx/effects.h"
#include "game/game_state.h"
#include "res/audio.h"
#include "tests/support/test_support.h"
#include "video/video.h"

namespace {

std::vector<std::pair<hssSound*, int>> sounds_played;

void record_sound(hssSound* sound, int channel) {
    sounds_played.emplace_back(sound, channel);
}

int count(const emitter& e) {
    int n = 0;
    for (particle* p = e.particles; p; p = p->next)
        n++;
    return n;
}

// Degrees of a particle's direction measured from `centre`, within -180..180.
int degrees_from(const particle* p, int centre) {
    double a = std::atan2(p->dx, p->dy) * 180.0 / M_PI - centre;
    while (a > 180.0)
        a -= 360.0;
    while (a <= -180.0)
        a += 360.0;
    return static_cast<int>(std::lround(a));
}

class Effects : public ::testing::Test {
  protected:
    void SetUp() override {
        FramesPerSecond = 25;
        Scale = 1;
        sounds_played.clear();
        play_sound_observer = record_sound;
        clear_explosions();
        trails[0].Clear();
        trails[1].Clear();
        hint_marker.Clear();
        HintActive = 0;
    }
    void TearDown() override {
        play_sound_observer = nullptr;
        clear_explosions();
        trails[0].Update(1);
        trails[1].Update(1);
        hint_marker.Update(1);
    }
};

} // namespace

TEST_F(Effects, SixExplosionsInOneFramePlaySixSoundsFillFiveSlotsThenFreeThem) {
    for (int i = 0; i < 6; i++)
        start_explosion(10 * i, 20);
    ASSERT_EQ(sounds_played.size(), 6u);
    for (const auto& s : sounds_played)
        EXPECT_EQ(s, std::make_pair(&ExplosionSound, 1));
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(explosion_timers[i], 75);
        EXPECT_EQ(explosions[i].x, 10 * i);
    }
    for (int frame = 0; frame < 74; frame++) {
        update_explosions();
        for (int i = 0; frame == 0 && i < 5; i++)
            EXPECT_EQ(count(explosions[i]), 200) << "slot " << i;
        tick_explosions();
    }
    // Still busy for one more frame: a new explosion finds no slot.
    start_explosion(1, 1);
    EXPECT_EQ(explosions[0].x, 0);
    update_explosions();
    tick_explosions();
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(explosion_timers[i], 0);
        EXPECT_EQ(explosions[i].particles, nullptr) << "slot " << i;
    }
    // Freed slots are reused, the lowest free one first.
    explosion_timers[0] = 5;
    start_explosion(7, 8);
    EXPECT_EQ(explosion_timers[1], 75);
    EXPECT_EQ(explosions[1].x, 7);
    EXPECT_EQ(explosions[1].y, 8);
    EXPECT_EQ(explosion_timers[2], 0);
}

TEST_F(Effects, ExplosionPresetFollowsScaleAndFrameRate) {
    Scale = 2;
    start_explosion(0, 0);
    EXPECT_EQ(explosions[0].x_range, 90);
    EXPECT_FLOAT_EQ(explosions[0].speed, 8.0f);
    // Twenty frames a second: products are truncated, not rounded (6.67 gives 6).
    clear_explosions();
    FramesPerSecond = 20;
    Scale = 1;
    start_explosion(0, 0);
    EXPECT_EQ(explosions[0].fade_start, 6);
    EXPECT_EQ(explosion_timers[0], 60);
    EXPECT_FLOAT_EQ(explosions[0].speed, 5.0f);
}

TEST_F(Effects, TrailsStreamAgainstTheFlight) {
    const struct {
        const char* word;
        int centre;
    } cases[] = {{"lewo", 90}, {"prawo", 270}, {"gora", 0}, {"dol", 180}, {"skos", 0}};
    for (const auto& c : cases) {
        start_trail(0, 100, 100, c.word);
        trails[0].Update(0);
        ASSERT_EQ(count(trails[0]), 12) << c.word;
        for (particle* p = trails[0].particles; p; p = p->next) {
            EXPECT_LE(std::abs(degrees_from(p, c.centre)), 22) << c.word;
        }
        trails[0].Clear();
    }

    // Ten a frame until age 74, then only draining until the sweep at age 100.
    start_trail(1, 50, 50, "lewo");
    int before = 0;
    for (int age = 0; age < 101; age++) {
        trails[1].Update(0);
        if (age >= 1 && age <= 18) {
            EXPECT_EQ(count(trails[1]) - before, 10) << "age " << age;
        }
        before = count(trails[1]);
        if (age == 99) {
            EXPECT_GT(before, 0);
        }
    }
    EXPECT_EQ(trails[1].particles, nullptr);
}

TEST_F(Effects, ClearingExplosionsLeavesTrailsAndHint) {
    start_explosion(10, 10);
    start_trail(0, 10, 10, "dol");
    start_hint_marker(10, 10);
    update_explosions();
    trails[0].Update(0);
    hint_marker.Update(0);
    clear_explosions();
    EXPECT_EQ(explosions[0].particles, nullptr);
    EXPECT_EQ(explosion_timers[0], 0);
    EXPECT_EQ(count(trails[0]), 12);
    EXPECT_EQ(count(hint_marker), 12);
}

TEST_F(Effects, HintMarkerFallsFromTheTopEdgeOfTheCell) {
    Scale = 2;
    start_hint_marker(40, 60);
    ASSERT_EQ(sounds_played.size(), 1u);
    EXPECT_EQ(sounds_played[0], std::make_pair(&HintSound, 2));
    EXPECT_EQ(HintActive, 1);

    hint_marker.Update(0);
    ASSERT_EQ(count(hint_marker), 12);
    for (particle* p = hint_marker.particles; p; p = p->next) {
        EXPECT_EQ(degrees_from(p, 0), 0);
        EXPECT_GE(p->x, 40.0f);
        EXPECT_LT(p->x, 40.0f + 88.0f);
        // Scale 2 doubles the speed: 2.2 to under 4.6 below a two-pixel strip.
        EXPECT_GE(p->y, 60.0f + 2.2f - 0.001f);
        EXPECT_LT(p->y, 62.0f + 4.6f);
    }
    for (int age = 1; age < 75; age++) {
        int before = count(hint_marker);
        hint_marker.Update(0);
        if (age < 10) {
            EXPECT_EQ(count(hint_marker) - before, 2) << "age " << age;
        }
    }
    hint_marker.Update(0);
    EXPECT_EQ(hint_marker.particles, nullptr);
}

TEST_F(Effects, ExplosionSparksAreDrawnAroundTheCell) {
    open_test_screen(240, 320);
    SDL_PixelFormat* f = screen->format;
    SDL_Surface* spark =
        SDL_CreateRGBSurface(SDL_SWSURFACE, 3, 3, f->BitsPerPixel, f->Rmask, f->Gmask, f->Bmask, 0);
    fill_rect(spark, 0, 0, 3, 3, 255, 255, 255);
    if (ParticleSprite.surface)
        SDL_FreeSurface(ParticleSprite.surface);
    ParticleSprite.surface = spark;
    ParticleSprite.w = ParticleSprite.h = 3;
    ParticleSprite.frame_w = ParticleSprite.frame_h = 3.0f;

    fill_rect(screen, 0, 0, 240, 320, 0, 0, 0);
    start_explosion(100, 150);
    update_explosions();
    int lit = 0, outside = 0;
    for (int y = 0; y < 320; y++)
        for (int x = 0; x < 240; x++)
            if (pixel_at(screen, x, y).r > 0) {
                bool near = x >= 92 && x < 156 && y >= 142 && y < 206;
                (near ? lit : outside)++;
            }
    EXPECT_GT(lit, 200);
    EXPECT_EQ(outside, 0);
}
