// Frame costs of the effects at Scale 2 on a 480 x 640 screen, beside one full-screen blit.
#include <benchmark/benchmark.h>

#include <SDL.h>
#include <cstdlib>

#include "app/globals.h"
#include "platform/random.h"
#include "app/startup.h"
#include "app/state.h"
#include "fx/effects.h"
#include "fx/fade.h"
#include "game/game_state.h"
#include "game/play.h"
#include "video/sprite.h"
#include "video/video.h"

namespace {

const int Width = 480;
const int Height = 640;
const int SparkSize = 8; // a particle picture of the doubled layout

void make_spark(sprite& s, int r, int g, int b) {
    SDL_Surface* surface =
        SDL_CreateRGBSurface(SDL_SWSURFACE, SparkSize, SparkSize, 32, 0, 0, 0, 0);
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, r, g, b));
    s.surface = SDL_DisplayFormat(surface);
    SDL_FreeSurface(surface);
    s.w = s.h = SparkSize;
    s.frame_w = s.frame_h = static_cast<float>(SparkSize);
}

void open_screen() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    VideoWindowed = 1;
    init_video("Tessoli bench", Width, Height);
    enable_drawing(1);
    Scale = 2;
    FramesPerSecond = 25;
    game_srand(1);
    make_spark(ParticleSprite, 255, 200, 80);
    make_spark(ParticleSprite2, 120, 200, 255);
    // Two different pictures so blends do real work.
    for (int y = 0; y < Height; y += 16) {
        SDL_Rect band = {0, static_cast<Sint16>(y), Width, 16};
        SDL_FillRect(screen2[0], &band, SDL_MapRGB(screen2[0]->format, y % 256, 40, 90));
        SDL_FillRect(screen2[1], &band, SDL_MapRGB(screen2[1]->format, 30, y % 256, 160));
    }
}

// Trails flying across the board and the hint marker, run until their spark counts are steady.
void warm_trails_and_hint() {
    start_trail(0, 100, 300, "lewo");
    start_trail(1, 300, 100, "dol");
    start_hint_marker(180, 270);
    Game.HintActive = 1;
    for (int i = 0; i < 30; i++) {
        trails[0].Update(0);
        trails[1].Update(0);
        hint_marker.Update(0);
    }
}

// One game-play frame's effects, as the play screen draws them.
void effects_frame() {
    draw_effects();
}

int particles_in(const emitter& e) {
    int n = 0;
    for (const particle* p = e.particles; p; p = p->next)
        n++;
    return n;
}

// The heaviest frame: five explosions of 200 sparks burst in it, both trails and the hint marker
// are running, everything is updated and drawn.
void BM_HeaviestEffectsFrame(benchmark::State& state) {
    warm_trails_and_hint();
    long sparks = 0;
    for (auto _ : state) {
        for (int i = 0; i < 5; i++)
            start_explosion(i * 90, 200 + i * 40);
        effects_frame();
        state.PauseTiming();
        for (int i = 0; i < 5; i++)
            sparks += particles_in(explosions[i]);
        sparks += particles_in(trails[0]) + particles_in(trails[1]) + particles_in(hint_marker);
        clear_explosions();
        trails[0].x -= 9;
        if (trails[0].age >= 60 || hint_marker.age >= 45)
            warm_trails_and_hint();
        state.ResumeTiming();
    }
    state.counters["sparks"] =
        benchmark::Counter(static_cast<double>(sparks) / static_cast<double>(state.iterations()));
    clear_explosions();
}
BENCHMARK(BM_HeaviestEffectsFrame)->Unit(benchmark::kMicrosecond);

// The frame after: the same thousand explosion sparks in flight, nothing new to spawn.
void BM_EffectsFrameAfterBurst(benchmark::State& state) {
    warm_trails_and_hint();
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < 5; i++)
            start_explosion(i * 90, 200 + i * 40);
        effects_frame();
        state.ResumeTiming();
        effects_frame();
        state.PauseTiming();
        clear_explosions();
        if (trails[0].age >= 60 || hint_marker.age >= 45)
            warm_trails_and_hint();
        state.ResumeTiming();
    }
    clear_explosions();
}
BENCHMARK(BM_EffectsFrameAfterBurst)->Unit(benchmark::kMicrosecond);

// One frame of the one-second cross-fade between two full-screen pictures.
void BM_CrossFadeFrame(benchmark::State& state) {
    Fade.Start(1, 25);
    for (auto _ : state) {
        Fade.maluj();
        if (Fade.done) {
            state.PauseTiming();
            Fade.Start(1, 25);
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_CrossFadeFrame)->Unit(benchmark::kMicrosecond);

// The yardstick: one opaque full-screen blit of a back buffer onto the screen.
void BM_FullScreenBlit(benchmark::State& state) {
    SDL_SetAlpha(screen2[0], 0, 255);
    for (auto _ : state)
        screen2_screen(0, 0, 0);
}
BENCHMARK(BM_FullScreenBlit)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    open_screen();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    clear_explosions();
    trails[0].Clear();
    trails[1].Clear();
    hint_marker.Clear();
    free_screen2();
    SDL_Quit();
    return 0;
}
