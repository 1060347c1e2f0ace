// The main loop and the state machine: six screens named by GameState, one frame every 40 ms.
#include "app/state.h"

#include <SDL.h>
#include <cstdio>
#include <string>

#include "app/options.h"
#include "app/startup.h"
#include "fx/fade.h"
#include "game/game_state.h"
#include "game/pictures.h"
#include "game/play.h"
#include "game/save.h"
#include "platform/drop.h"
#include "platform/frame_clock.h"
#include "platform/host.h"
#include "platform/input.h"
#include "res/audio.h"
#include "res/player_pictures.h"
#include "screens/screens.h"
#include "video/video.h"

namespace {

// The screens and their handlers.
struct state_handler {
    states::id screen;
    void (*run)();
};
const state_handler Handlers[] = {
    {states::init_intro, state_init_intro},
    {states::init_game_over, state_init_game_over},
    {states::init_koniec_gry, state_init_koniec_gry},
    {states::intro, state_intro},
    {states::init_gra, state_init_gra},
    {states::gra, game_frame},
};

} // namespace

void dispatch_state() {
    // A screen without a handler (none, before the menu is entered) runs nothing, and the frame
    // still polls and keeps its pace. Such a screen is frozen, so it is said once.
    static bool said = false;
    for (const state_handler& h : Handlers) {
        if (GameState == h.screen) {
            said = false;
            h.run();
            return;
        }
    }
    if (!said) {
        std::string name(state_name(GameState));
        std::fprintf(stderr, "No screen is called \"%s\": the frame runs no handler\n",
                     name.c_str());
        said = true;
    }
}

// Pictures the player dropped on the window (or brought into the page) join their pictures, are
// kept, and the menu counts them anew.
static void take_dropped_pictures() {
    std::string path;
    bool changed = false;
    while (drop_take(&path))
        changed = (path.empty() || add_player_pictures(path) > 0) || changed;
    if (changed) {
        count_player_pictures();
        saved_game_written();
    }
}

void run_frame() {
    input_poll(InputState);
    take_dropped_pictures();
    if (InputState.quit == 1 && GameRunning) {
        save_level_in_progress();
        GameRunning = 0;
    }
    dispatch_state();
    wait_for_frame();
    FramesPerSecond = derived_frames_per_second();
}

int tessoli_main(int argc, char** argv) {
    int status = parse_options(argc, argv);
    if (status >= 0)
        return status;

    Game.BestScore = 0;
    startup(argv[0]);
    host_watch_leaving(save_level_in_progress);
    saved_game_exists();
    loading_screen();
    play_music(Music);
    enter_screen(states::init_intro);
    if (InputState.quit == 1)
        GameRunning = 0; // the window was closed while loading

    while (GameRunning && !options_stop()) {
        options_before_frame();
        run_frame();
        options_after_frame();
    }

    // A recording or table of levels that could not be written fails the run, which played on.
    bool written = finish_options();
    keep_chosen_window_size();
    SDL_FreeSurface(screen);
    free_screen2();
    say_blit_errors_at_exit();
    shutdown_audio();
    SDL_Quit();
    program_ended();
    return written ? 0 : 1;
}
