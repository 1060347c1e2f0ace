// The effect presets: explosion slots, sounds and sparks, trail directions and the hint marker.
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

using sound_log = std::vector<std::pair<hssSound*, int>>;
sound_log sounds_played;

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
        Game.HintActive = 0;
        sounds_played.clear();
        play_sound_observer = record_sound;
        clear_all();
    }
    void TearDown() override {
        play_sound_observer = nullptr;
        clear_all();
    }
    static void clear_all() {
        clear_explosions();
        trails[0].Clear();
        trails[1].Clear();
        hint_marker.Clear();
    }
};

} // namespace

TEST_F(Effects, SixExplosionsInOneFramePlaySixSoundsFillFiveSlotsThenFreeThem) {
    for (int i = 0; i < 6; i++)
        start_explosion(10 * i, 20);
    EXPECT_EQ(sounds_played, sound_log(6, {&ExplosionSound, 1}));
    EXPECT_EQ(explosion_timers[4], 75);
    EXPECT_EQ(explosions[4].x, 40);
    for (int frame = 0; frame < 74; frame++) {
        update_explosions();
        tick_explosions();
    }
    // Still busy for one more frame: a new explosion finds no slot.
    start_explosion(1, 1);
    EXPECT_EQ(explosions[0].x, 0);
    update_explosions();
    tick_explosions();
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(explosion_timers[i], 0) << "slot " << i;
        EXPECT_EQ(explosions[i].particles, nullptr) << "slot " << i;
    }
}

TEST_F(Effects, AClockBelowOneFrameASecondCountsAsOne) {
    FramesPerSecond = 0;
    start_explosion(0, 0);
    EXPECT_EQ(explosion_timers[0], 3); // three seconds of one frame
}

TEST_F(Effects, TrailsStreamAgainstTheFlight) {
    const struct {
        const char* word;
        int centre;
    } cases[] = {{"lewo", 90}, {"prawo", 270}, {"dol", 180}, {nullptr, 0}};
    for (const auto& c : cases) {
        start_trail(0, 100, 100, c.word);
        trails[0].Update(0);
        ASSERT_EQ(count(trails[0]), 12) << c.word;
        for (particle* p = trails[0].particles; p; p = p->next)
            EXPECT_LE(std::abs(degrees_from(p, c.centre)), 22) << c.word;
        trails[0].Clear();
    }
    // There are two trails; any other slot is ignored. A write past the last trail lands in
    // another global, which only the sanitizer build reports.
    trails[0].x = trails[1].x = hint_marker.x = -7;
    start_trail(-1, 5, 5, "dol");
    start_trail(2, 5, 5, "dol");
    EXPECT_EQ(trails[0].x, -7);
    EXPECT_EQ(trails[1].x, -7);
    EXPECT_EQ(hint_marker.x, -7);
}

TEST_F(Effects, HintMarkerFallsFromTheTopEdgeOfTheCell) {
    Scale = 2;
    start_hint_marker(40, 60);
    EXPECT_EQ(sounds_played, sound_log({{&HintSound, 2}}));
    hint_marker.Update(0);
    ASSERT_EQ(count(hint_marker), 12);
    for (particle* p = hint_marker.particles; p; p = p->next) {
        // Straight down from a two-pixel strip across the 88-pixel cell, at Scale 2 speed.
        EXPECT_EQ(degrees_from(p, 0), 0);
        EXPECT_TRUE(p->x >= 40.0f && p->x < 128.0f) << p->x;
        EXPECT_TRUE(p->y >= 62.2f - 0.001f && p->y < 66.6f) << p->y;
    }
}

TEST_F(Effects, ExplosionSparksAreDrawnOverTheirArea) {
    open_test_screen(240, 320);
    give_frames(ParticleSprite, 3, {{255, 255, 255}});

    fill_rect(screen, 0, 0, 240, 320, 0, 0, 0);
    start_explosion(100, 150);
    update_explosions();
    int lit = 0, outside = 0;
    for (int y = 0; y < 320; y++)
        for (int x = 0; x < 240; x++)
            if (pixel_at(screen, x, y).r > 0)
                (x >= 92 && x < 156 && y >= 142 && y < 206 ? lit : outside)++;
    EXPECT_GT(lit, 200);
    EXPECT_EQ(outside, 0);
}
