// The screen and phase names the frame loop dispatches on, and the strings that hold them.
#pragma once

#include <string>

// GameState names the screen the frame loop runs, GameSubState the phase within it; recordings
// and the dispatch compare the exact texts. The game and the screens assign them, the program's
// state machine (app/state.cpp) reads them. The strings are defined in app/globals.cpp with the
// other global objects; GameRunning, the loop's flag, in game/game_state.cpp.
extern std::string GameState;
extern std::string GameSubState;
extern unsigned char GameRunning;

// Always assign and compare through these names: a misspelt name does not compile.
namespace states {
inline constexpr char init_intro[] = "init_intro";
inline constexpr char intro[] = "intro";
inline constexpr char init_gra[] = "init_gra";
inline constexpr char gra[] = "gra";
inline constexpr char init_game_over[] = "init_game_over";
inline constexpr char init_koniec_gry[] = "init_koniec_gry";
} // namespace states

// Phases; the same name can serve several screens, with a meaning of its own in each.
namespace phases {
inline constexpr char przejscie_obrazek[] = "przejscie obrazek";
inline constexpr char przejscie_obrazek2[] = "przejscie obrazek2";
inline constexpr char intro[] = "intro";
inline constexpr char pre_init[] = "pre_init";
inline constexpr char init[] = "init";
inline constexpr char pauza[] = "pauza";
inline constexpr char five_sec[] = "5sec";
inline constexpr char start_gry[] = "start_gry";
inline constexpr char nextlevel[] = "nextlevel";
} // namespace phases
