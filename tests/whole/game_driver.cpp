// Drives the whole program frame by frame with real SDL events, for the whole-program tests.
#include "tests/whole/game_driver.h"

#include <SDL.h>
#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/frame_clock.h"
#include "app/globals.h"
#include "platform/input.h"
#include "platform/input_source.h"
#include "app/replay.h"
#include "app/startup.h"
#include "app/state.h"
#include "game/game_state.h"
#include "game/level_stats.h"
#include "game/save.h"
#include "platform/random.h"
#include "res/audio.h"
#include "screens/screens.h"
#include "video/video.h"

namespace {

// A clock that only moves when the game waits, so every run takes the same frames.
uint32_t Now;
unsigned Seed;

} // namespace

void game_driver::boot(int s, const std::string& cont_tll, unsigned seed) {
    scale = s;
    LevelTable.clear();
    std::string built = media_root() + (s == 1 ? "/media-s1" : "/media");
    ASSERT_TRUE(file_exists(built + "/gfx.def")) << "no media set in " << built << " (make media)";
    std::string copy = "mkdir -p '" + media() + "' && cp '" + built + "'/*.def '" + built +
                       "'/*.pak '" + built + "'/*.txt '" + built + "'/config.tll '" + media() + "'";
    ASSERT_EQ(std::system(copy.c_str()), 0);
    if (!cont_tll.empty())
        write_file(cont(), cont_tll);

    // The player's own pictures and their ready copies never reach a test from the account.
    setenv("XDG_DATA_HOME", dir.file("data").c_str(), 1);
    setenv("XDG_CACHE_HOME", dir.file("cache").c_str(), 1);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    frame_clock_ticks = [] { return Now; };
    frame_clock_delay = [](uint32_t ms) { Now += ms; };
    loading_rest = [](unsigned int) {};
    input_wait_for_event = [] {}; // the queue is filled before the frames that read it
    Seed = seed;
    startup_seed = [] { return Seed; };
    input_poll_count = 0;    // as in a fresh program: a recording counts its polls from here
    input_reset(InputState); // no key or lock left over from the last run
    if (!record_path.empty())
        record_begin(record_path.c_str());
    VideoWindowed = 1;
    Game.BestScore = 0;
    startup(dir.path() + "tessoli");
    ASSERT_EQ(Scale, s);
    saved_game_exists();
}

game_driver::~game_driver() {
    free_screen2();
    shutdown_audio();
    SDL_Quit();
}

void game_driver::load_and_answer(bool sound_yes) {
    push_down(100, 100); // the splash tap
    push_up(100, 100);
    // "Yes" starts at x 70, "No" at x 150; both at y 130 and a line high.
    int x = sound_yes ? 74 : 154;
    push_down(x * scale, 138 * scale);
    push_up(x * scale, 138 * scale);
    run_loading();
}

void game_driver::run_loading() {
    push_quit();
    loading_screen();
    EXPECT_EQ(InputState.quit, 0) << "loading took every queued tap without an answer";
    SDL_Event left;
    SDL_PeepEvents(&left, 1, SDL_GETEVENT, SDL_QUITMASK); // the taps behind the answer stay queued
}

void game_driver::enter_menu() {
    play_music(Music);
    enter_screen(states::init_intro);
}

void game_driver::to_menu() {
    load_and_answer(true);
    enter_menu();
    ASSERT_TRUE(run_until([] { return in_state(states::intro, phases::intro); }, 100));
}

void game_driver::to_play() {
    to_menu();
    key(SDLK_RETURN); // "Start Game"
    ASSERT_TRUE(run_until([] { return in_state(states::gra, phases::start_gry); }, 400));
}

void game_driver::push_button(bool down, int x, int y) {
    SDL_Event e{};
    e.button = {Uint8(down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP),
                0,
                SDL_BUTTON_LEFT,
                Uint8(down ? SDL_PRESSED : SDL_RELEASED),
                Uint16(x),
                Uint16(y)};
    SDL_PushEvent(&e);
}

void game_driver::push_key(int sym) {
    for (Uint8 type : {Uint8(SDL_KEYDOWN), Uint8(SDL_KEYUP)}) {
        SDL_Event e{};
        e.key.type = type;
        e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = static_cast<SDLKey>(sym);
        SDL_PushEvent(&e);
    }
}

void game_driver::push_quit() {
    SDL_Event quit{SDL_QUIT};
    SDL_PushEvent(&quit);
}

void game_driver::lose_focus() {
    SDL_Event e{};
    e.active = {SDL_ACTIVEEVENT, 0, SDL_APPINPUTFOCUS};
    SDL_PushEvent(&e);
    frame();
}

void game_driver::key(int sym) {
    push_key(sym);
    frame(2);
}

void game_driver::frame(int n) {
    for (int i = 0; i < n && GameRunning; i++) {
        run_frame();
        frames++;
    }
}

void game_driver::tap(int x, int y) {
    push_down(x * scale, y * scale);
    push_up(x * scale, y * scale);
    // One event per frame: the press, then the release.
    frame(2);
}

void game_driver::tap_cell(int cell) {
    tap(7 + 45 * (cell % 5) + 22, 7 + 45 * (cell / 5) + 22);
}

bool game_driver::run_until(const std::function<bool()>& done, int max) {
    for (int i = 0; i < max && !done() && GameRunning; i++)
        frame();
    return done();
}
