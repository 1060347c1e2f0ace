// The screen, its phase and the pause: their values and names, and the one way to change them.
#pragma once

#include <iosfwd>
#include <string_view>

// The screens the frame loop runs. none is the value before the program enters the menu; it names
// no screen, and a frame on it runs no handler.
namespace states {
enum id : unsigned char { none, init_intro, intro, init_gra, gra, init_game_over, init_koniec_gry };
}

// The phases within a screen; the same phase can serve several screens, with a meaning of its own
// in each. none is the value before the first screen sets one.
namespace phases {
enum id : unsigned char {
    none,
    przejscie_obrazek,
    przejscie_obrazek2,
    intro,
    pre_init,
    init,
    pauza,
    five_sec,
    start_gry,
    nextlevel,
};
}

// A level's pause: held is a pause asked for while the level could not pause (a fade or a won
// level's wait), taken on the first frame that can; help is the help page over the paused level.
enum class pause_state : unsigned char { none, held, paused, help };

// GameState is the screen the frame loop runs, GameSubState the phase within it, GamePause the
// level's pause. They are read everywhere and changed only through the functions below, which
// take effect at once; the program's state machine (app/state.cpp) dispatches on GameState.
// GameRunning, the loop's flag, lives in game/game_state.cpp.
extern const states::id& GameState;
extern const phases::id& GameSubState;
extern const pause_state& GamePause;
extern unsigned char GameRunning;

// Every change of screen or phase goes through enter_state; the other two keep what they do not
// name.
void enter_state(states::id screen, phases::id phase);
void enter_screen(states::id screen);
void enter_phase(phases::id phase);
void enter_pause(pause_state pause);

// The names the recordings' state hash and the messages use ("init_intro", "5sec", ...); none is
// the empty name, and pause_state::none is never hashed.
std::string_view state_name(states::id screen);
std::string_view state_name(phases::id phase);
std::string_view state_name(pause_state pause);

// So that a failed comparison in a test shows the name.
namespace states {
std::ostream& operator<<(std::ostream& out, id screen);
}
namespace phases {
std::ostream& operator<<(std::ostream& out, id phase);
}
std::ostream& operator<<(std::ostream& out, pause_state pause);
