// Drives the whole program frame by frame with real SDL events, for the whole-program tests.
#pragma once

#include <functional>
#include <string>

#include "game/states.h"
#include "tests/support/test_support.h"

// Whether the program shows this screen in this phase (names from game/states.h).
template <class S, class P> bool in_state(S state, P phase) {
    return GameState == state && GameSubState == phase;
}

struct game_driver {
    temp_dir dir; // holds media/ (a copy of a built media set) and the program path
    int scale = 1;
    long frames = 0;
    std::string record_path; // when set, the run is recorded there as a replay

    // Ends the program as main does, so that a test may boot it again.
    ~game_driver();

    // Copies the built media set of this Scale into a fresh folder (never a player's cont.tll),
    // optionally with a cont.tll of the given text, and starts up as main does.
    void boot(int scale, const std::string& cont_tll = std::string(), unsigned seed = 1234);
    // The loading screen with the splash tap queued (and any extra events queued before it).
    void load_and_answer(bool sound_yes = true);
    // The loading screen over the events queued so far; a quit request queued behind them turns
    // a missed answer into a failure instead of a wait that never ends.
    void run_loading();
    // After loading: what main does before its loop.
    void enter_menu();
    // From boot: loading answered "Yes" and the menu waiting; or on into a level in play.
    void to_menu();
    void to_play();

    void push_button(bool down, int x, int y); // at screen coordinates
    void push_down(int x, int y) { push_button(true, x, y); }
    void push_up(int x, int y) { push_button(false, x, y); }
    // A tap at base-layout coordinates (multiplied by Scale): down, then up, each taking a frame.
    void tap(int x, int y);
    void tap_cell(int cell); // the middle of a board cell, 0..24
    // A key pressed and let go (SDL key symbol), queued; key() runs its two frames too.
    void push_key(int sym);
    void key(int sym);
    void push_quit();  // the window's close button, or a signal SDL turns into one
    void lose_focus(); // queued, and a frame run
    void frame(int n = 1);
    // Runs frames until done() holds; false if it did not within max frames.
    bool run_until(const std::function<bool()>& done, int max = 2000);
    std::string media() const { return dir.path() + "media/"; }
    std::string cont() const { return media() + "cont.tll"; }
};
