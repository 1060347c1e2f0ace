// The game's effects: explosions in five slots, the two rocket trails and the hint marker.
#include "fx/effects.h"

#include <cstring>

#include "res/audio.h"
#include "video/board_geometry.h"
#include "video/sprite.h"
#include "video/units.h"

int explosion_timers[5];

namespace {

// The frame rate the presets are timed by; a clock that came out below one frame a second
// would make every speed infinite, so it counts as one.
int frames_per_second() {
    return FramesPerSecond > 0 ? FramesPerSecond : 1;
}

// What every preset is computed from: the frame rate F (and 1/F as a float) and the Scale S.
struct preset_units {
    int F;
    float f, s, per_frame;
};

// Restarts an emitter with what all three presets share: one frame of a particle picture,
// picked at random. Returns the units its own fields are computed from.
preset_units restart(emitter& e, int x, int y) {
    preset_units u;
    u.F = frames_per_second();
    u.f = static_cast<float>(u.F);
    u.s = static_cast<float>(Scale);
    u.per_frame = 1.0f / u.f;
    e.Reset();
    e.x = x;
    e.y = y;
    e.end_frame = 2 * u.F;
    e.life = u.F;
    e.life_range = static_cast<int>(u.f * 0.5f);
    e.frames = 1;
    e.random_frame = 1;
    return u;
}

} // namespace

void start_explosion(int x, int y) {
    play_sound(ExplosionSound, 1);
    int slot = 0;
    while (slot < 5 && explosion_timers[slot] != 0)
        slot++;
    if (slot == 5)
        return;

    emitter& e = explosions[slot];
    const preset_units u = restart(e, x, y);
    const int F = u.F;
    const float f = u.f, s = u.s, per_frame = u.per_frame;
    // Sparks burst over the whole knocked-out cell.
    const float cell = static_cast<float>(CellUnits);
    e.x_range = static_cast<int>(cell * s);
    e.y_range = static_cast<int>(cell * s);
    e.burst = 200;
    e.rate = 0.0f;
    e.speed = s * per_frame * 100.0f;
    e.speed_range = s * per_frame * 90.0f;
    e.angle = 0;
    e.spread = 360;
    e.alpha = 250;
    e.alpha_range = 500;
    e.fade_start = static_cast<int>(f * 0.33333334f);
    explosion_timers[slot] = 3 * F;
}

void update_explosions() {
    for (int i = 0; i < 5; i++) {
        if (explosion_timers[i] > 0) {
            explosions[i].Update(0);
            explosions[i].Draw(ParticleSprite);
        }
    }
}

void tick_explosions() {
    for (int& timer : explosion_timers)
        if (timer > 0)
            timer -= 1;
}

void clear_explosions() {
    for (int i = 0; i < 5; i++) {
        explosion_timers[i] = 0;
        explosions[i].Clear();
    }
}

void start_trail(int slot, int x, int y, const char* direction) {
    if (slot < 0 || slot > 1)
        return;
    emitter& e = trails[slot];
    const preset_units u = restart(e, x, y);
    const int F = u.F;
    const float f = u.f, s = u.s, per_frame = u.per_frame;
    e.x_range = 1;
    e.y_range = 1;
    e.burst = 2;
    e.rate = per_frame * 250.0f;
    e.end_frame = 3 * F;
    e.speed = s * per_frame * 50.0f;
    e.speed_range = s * per_frame * 40.0f;
    // Sparks stream out behind the rocket, against its flight.
    e.angle = 0;
    if (direction) {
        if (std::strcmp(direction, "lewo") == 0)
            e.angle = 90;
        else if (std::strcmp(direction, "prawo") == 0)
            e.angle = 270;
        else if (std::strcmp(direction, "gora") == 0)
            e.angle = 0;
        else if (std::strcmp(direction, "dol") == 0)
            e.angle = 180;
    }
    e.spread = 45;
    e.alpha = 250;
    e.alpha_range = 500;
    e.fade_start = static_cast<int>(f * 0.33333334f);
}

void start_hint_marker(int x, int y) {
    play_sound(HintSound, 2);
    emitter& e = hint_marker;
    const preset_units u = restart(e, x, y);
    const float f = u.f, s = u.s, per_frame = u.per_frame;
    // A strip one unit short of the cell's width, so the sparks fall inside the cell.
    e.x_range = static_cast<int>(static_cast<float>(CellUnits - 1) * s);
    e.y_range = Scale;
    e.burst = 10;
    e.rate = per_frame * 50.0f;
    e.speed = s * per_frame * 40.0f;
    e.speed_range = s * per_frame * 30.0f;
    e.angle = 0;
    e.spread = 0;
    e.alpha = 500;
    e.alpha_range = 0;
    e.fade_start = static_cast<int>(f * 0.5f);
}
