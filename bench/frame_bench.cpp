// The play screen's frame at Scale 2 with the real media set, beside its floor: one full-screen
// background blit and one flip.
#include <benchmark/benchmark.h>

#include <SDL.h>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/frame_clock.h"
#include "platform/random.h"
#include "app/globals.h"
#include "platform/input.h"
#include "app/startup.h"
#include "app/state.h"
#include "fx/effects.h"
#include "fx/fade.h"
#include "game/game_state.h"
#include "game/level.h"
#include "game/twins.h"
#include "game/play.h"
#include "game/rules.h"
#include "res/pack.h"
#include "text/font_sizes.h"
#include "video/video.h"

namespace {

bool Ready;

void load_media() {
    if (Ready)
        return;
    Ready = true;
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    const char* media = std::getenv("TESSOLI_MEDIA");
    std::string folder = std::string(media ? media : "build/media") + "/";
    std::strncpy(MediaFolder, folder.c_str(), sizeof MediaFolder - 1);
    MediaPath = folder;
    VideoWindowed = 1;
    init_video("Tessoli bench", 480, 640);
    enable_drawing(1);
    Scale = 2;
    FramesPerSecond = 25;
    set_frame_period(40);
    load_pack_index(gfx, MediaFolder, "gfx.pak", "gfx.def");
    GameBackground.Load(MediaFolder, "gra.jpg", 0);
    TimeBarPicture.Load(MediaFolder, "czas.jpg", 0);
    SmallFont.Load(MediaFolder, "verdana20b.bmp", 1);
    SmallFont.LoadMetrics(MediaFolder, "verdana20b.txt", SmallFontSize.space_width * 2,
                          SmallFontSize.line_height * 2);
    ParticleSprite.Load(MediaFolder, "part.bmp", 0);
    ParticleSprite2.Load(MediaFolder, "part2.bmp", 0);
    RocketSprite1.Load(MediaFolder, "rakieta1.bmp", 1);
    RocketSprite1.frame_w = 50;
    RocketSprite1.frame_h = 25;
    RocketSprite2.Load(MediaFolder, "rakieta2.bmp", 1);
    RocketSprite2.frame_w = 25;
    RocketSprite2.frame_h = 50;
    LevelPicture.Load(MediaFolder, "1.jpg", 0);
    LevelPicture.frame_w = LevelPicture.frame_h = 90;
}

// A level in play with half its tiles placed and a long time left.
void half_placed_level() {
    enter_state(states::gra, phases::start_gry);
    Fade.done = 1;
    for (int cell = 0; cell < 25; cell++)
        Game.Board[cell] = cell % 2;
    Game.TileLast = -1;
    for (int cell = 0; cell < 25; cell++)
        if (!Game.Board[cell])
            Game.TileList[++Game.TileLast] = cell;
    Game.TileCurrent = 0;
    Game.TimeLeft = 100000; // the clock never ends the level while the benchmark runs
    Game.TimeFrames = 0;
    Game.RocketMode = 0;
    Game.HintActive = 0;
    Game.Score = 120;
    Game.Level = 7;
    InputState = input_state{};
}

// A tap at (x, y) as the input layer leaves it for the next frame.
void tap_next_frame(int x, int y) {
    InputState.stylusDown = 1;
    InputState.clickX = x;
    InputState.clickY = y;
}

void BM_FrameFloor(benchmark::State& state) {
    load_media();
    for (auto _ : state) {
        GameBackground.Blit(0, 0);
        flip_screen();
    }
}
BENCHMARK(BM_FrameFloor)->Unit(benchmark::kMicrosecond);

void BM_PlayFrame(benchmark::State& state) {
    load_media();
    half_placed_level();
    for (auto _ : state)
        game_frame();
}
BENCHMARK(BM_PlayFrame)->Unit(benchmark::kMicrosecond);

// The same frame with the hint marker and a rocket flight knocking tiles out, restarted whenever
// the rockets have left the board.
void BM_PlayFrameWithEffects(benchmark::State& state) {
    load_media();
    half_placed_level();
    game_srand(7);
    int frame = 0;
    for (auto _ : state) {
        if (frame % 30 == 0) {
            state.PauseTiming();
            half_placed_level();
            // A hint, then a miss on the middle cell, taken by the play screen as taps.
            tap_next_frame(25 * Scale, 250 * Scale);
            game_frame();
            tap_next_frame(120 * Scale, 120 * Scale);
            game_frame();
            state.ResumeTiming();
        }
        game_frame();
        frame++;
    }
}
BENCHMARK(BM_PlayFrameWithEffects)->Unit(benchmark::kMicrosecond);

} // namespace

// What a level start spends finding the twin tiles of its picture (read the Scale 2 picture's
// tile prints, compare every pair).
void BM_FindTwins(benchmark::State& state) {
    load_media();
    static tile_prints prints;
    for (auto _ : state) {
        picture_tile_prints(LevelPicture, 45 * Scale, &prints);
        find_twins(prints, Game.TileTwins);
        benchmark::DoNotOptimize(Game.TileTwins[0]);
    }
}
BENCHMARK(BM_FindTwins)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
