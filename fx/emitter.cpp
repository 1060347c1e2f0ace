// The particle engine: spawning, moving, fading, pruning and drawing the particles of one emitter.
#include "fx/emitter.h"

#include <cmath>
#include <cstdlib>
#include <new>

#include "platform/random.h"
#include "video/sprite.h"

void emitter::Reset() {
    spawn_credit = 0.0f;
    age = 0;
    since_spawn = 0;
    start_frame = 0;
    end_frame = 1;
    angle_steps = 0;
    angle = 0;
    spread = 0;
    life = 1;
    fade_start = 0;
    gravity_x = 0.0f;
    gravity_y = 0.0f;
    speed = 0.0f;
    alpha = 1023;
    burst = 10;
    rate = 0.0f;
    min_interval = 0;
    frames = 0;
    life_range = 0;
    speed_range = 0.0f;
    alpha_range = 0;
    rate_range = 0.0f;
    random_frame = 0;
    x = 0;
    y = 0;
    x_range = 0;
    y_range = 0;
}

void emitter::Spawn() {
    // A particle that cannot be had is simply not there; the effect goes on with the others.
    particle* p = new (std::nothrow) particle();
    if (!p)
        return;

    // An emission area under one pixel wide or high means exactly the corner.
    p->x = static_cast<float>(x_range >= 1 ? game_rand() % x_range + x : x);
    p->y = static_cast<float>(y_range >= 1 ? game_rand() % y_range + y : y);

    if (speed_range != 0.0f) {
        float u = static_cast<float>(game_rand() % 10000) * 0.0001f;
        p->speed = u * speed_range - 0.5f + speed;
    } else {
        p->speed = speed;
    }

    if (alpha_range != 0)
        p->alpha = game_rand() % alpha_range - alpha_range / 2 + alpha;
    else
        p->alpha = alpha;

    int a;
    if (angle_steps != 0)
        a = angle + (game_rand() % angle_steps + 1) * (spread / angle_steps);
    else if (spread != 0)
        a = angle + game_rand() % spread;
    else
        a = angle;
    a -= spread / 2;

    float theta = static_cast<float>(a) * 0.017453292f;
    p->dx = static_cast<float>(std::sin(static_cast<double>(theta)));
    p->dy = static_cast<float>(std::cos(static_cast<double>(theta)));

    if (life_range != 0)
        p->life = game_rand() % life_range + life - life_range / 2;
    else
        p->life = life;

    p->fade_rate = fade_start != 0 ? static_cast<float>(p->alpha / fade_start) : 0.0f;

    if (frames > 0) {
        if (random_frame)
            p->frame = static_cast<float>(game_rand() % frames);
        else
            p->frame = static_cast<float>(life / frames);
    }

    p->next = particles;
    particles = p;
}

void emitter::Burst() {
    for (int i = 0; i < burst; i++)
        Spawn();
}

void emitter::Update(unsigned char stop) {
    if (stop == 1) {
        Clear();
        return;
    }
    // The sweep also takes sparks whose life spread would have kept them a few frames longer.
    if (end_frame != -1 && age >= end_frame + life)
        Clear();
    if (age == start_frame)
        Burst();
    if (age >= start_frame && (age < end_frame || end_frame == -1)) {
        spawn_credit =
            static_cast<float>(game_rand() % 10000) * rate_range * 0.0001f + rate + spawn_credit;
        if (spawn_credit >= 1.0f && since_spawn >= min_interval) {
            // floor(credit) particles; the fraction is dropped with the credit.
            int spawned = 0;
            do {
                Spawn();
                spawned++;
            } while (!(static_cast<float>(spawned) > spawn_credit - 1.0f));
            spawn_credit = 0.0f;
            since_spawn = 0;
        }
    }
    Move();
    Prune();
    age += 1;
    since_spawn += 1;
}

void emitter::Move() {
    for (particle* p = particles; p; p = p->next) {
        p->dx += gravity_x;
        p->dy += gravity_y;
        p->x = p->dx * p->speed + p->x;
        p->y = p->dy * p->speed + p->y;
        p->life -= 1;
        if (fade_start > p->life)
            p->alpha -= static_cast<int>(p->fade_rate);
    }
}

void emitter::Prune() {
    particle** link = &particles;
    while (*link) {
        particle* p = *link;
        if (p->life < 0) {
            *link = p->next;
            delete p;
        } else {
            link = &p->next;
        }
    }
}

void emitter::Clear() {
    while (particles) {
        particle* next = particles->next;
        delete particles;
        particles = next;
    }
}

namespace {

// The sprite keeps only the low 8 bits of an alpha; an alpha that ran out of 0..1023 is pinned
// instead, so a spark past its fade never flashes back to opaque.
int drawn_alpha(int value) {
    int a = value / 4;
    return a < 0 ? 0 : (a > 255 ? 255 : a);
}

} // namespace

void emitter::Draw(sprite& picture) {
    // A particle picture that failed to load was reported by its loader; every spark of every
    // frame repeating that would bury the message.
    if (!picture.surface)
        return;
    if (alpha_range == 0)
        picture.Alpha(drawn_alpha(alpha));
    for (particle* p = particles; p; p = p->next) {
        if (alpha_range != 0 || p->fade_rate != 0.0f)
            picture.Alpha(drawn_alpha(p->alpha));
        int number = 0;
        if (frames > 0) {
            if (random_frame) {
                number = static_cast<int>(p->frame);
            } else {
                // Frames run down with the remaining life; a base life shorter than the frame
                // count gives each frame one life frame, and a long-lived spark holds the last one.
                float per_frame = p->frame > 0.0f ? p->frame : 1.0f;
                float n = static_cast<float>(p->life) / per_frame;
                number = n < static_cast<float>(frames - 1) ? static_cast<int>(n) : frames - 1;
            }
            if (number < 0)
                number = 0;
        }
        picture.ChooseBlit(number, p->x, p->y);
    }
}
