// The main loop and the state machine: six screens named by GameState, one frame every 40 ms.
#include "app/state.h"

#include <SDL.h>

#include "app/frame_clock.h"
#include "app/globals.h"
#include "app/input.h"
#include "app/options.h"
#include "app/startup.h"
#include "fx/fade.h"
#include "game/game_state.h"
#include "game/play.h"
#include "game/save.h"
#include "platform/host.h"
#include "res/audio.h"
#include "screens/screens.h"
#include "video/video.h"

unsigned char GameRunning;
int FramesPerSecond = 25;

void dispatch_state() {
    // Exact comparisons in this order; a name that matches none runs no handler.
    if (GameState == "init_intro")
        state_init_intro();
    else if (GameState == "init_game_over")
        state_init_game_over();
    else if (GameState == "init_koniec_gry")
        state_init_koniec_gry();
    else if (GameState == "intro")
        state_intro();
    else if (GameState == "init_gra")
        state_init_gra();
    else if (GameState == "gra")
        game_frame();
}

void run_frame() {
    input_poll(InputState);
    if (InputState.quit == 1)
        GameRunning = 0;
    dispatch_state();
    wait_for_frame();
    FramesPerSecond = derived_frames_per_second();
}

void begin_picture_transition() {
    screen_screen2(0);
}

void end_picture_transition() {
    screen_screen2(1);
    screen2_screen(0);
    Fade.Start(1, FramesPerSecond);
    GameSubState = "przejscie obrazek";
}

int tessoli_main(int argc, char** argv) {
    int status = parse_options(argc, argv);
    if (status >= 0)
        return status;

    BestScore = 0;
    startup(argv[0]);
    saved_game_exists();
    loading_screen();
    play_music(Music);
    GameState = "init_intro";
    if (InputState.quit == 1)
        GameRunning = 0; // the window was closed while loading

    while (GameRunning && !options_stop()) {
        options_before_frame();
        run_frame();
        options_after_frame();
    }

    finish_options();
    SDL_FreeSurface(screen);
    free_screen2();
    shutdown_audio();
    SDL_Quit();
    program_ended();
    return 0;
}
