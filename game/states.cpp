// The screen, its phase and the pause as the game holds them, their one table of names, and the
// functions that change them.
#include "game/states.h"

#include <iterator>
#include <ostream>

namespace {

states::id Screen = states::none;
phases::id Phase = phases::none;
pause_state Pause = pause_state::none;

// Indexed by value, in the order the enums list them.
constexpr std::string_view ScreenNames[] = {
    "", "init_intro", "intro", "init_gra", "gra", "init_game_over", "init_koniec_gry",
};
constexpr std::string_view PhaseNames[] = {
    "",     "przejscie obrazek", "przejscie obrazek2", "intro", "pre_init", "init", "pauza",
    "5sec", "start_gry",         "nextlevel",
};
constexpr std::string_view PauseNames[] = {"", "held", "paused", "help"};

static_assert(std::size(ScreenNames) == states::init_koniec_gry + 1);
static_assert(std::size(PhaseNames) == phases::nextlevel + 1);
static_assert(std::size(PauseNames) == static_cast<size_t>(pause_state::help) + 1);

} // namespace

const states::id& GameState = Screen;
const phases::id& GameSubState = Phase;
const pause_state& GamePause = Pause;

void enter_state(states::id screen, phases::id phase) {
    Screen = screen;
    Phase = phase;
}

void enter_screen(states::id screen) {
    enter_state(screen, Phase);
}

void enter_phase(phases::id phase) {
    enter_state(Screen, phase);
}

void enter_pause(pause_state pause) {
    Pause = pause;
}

std::string_view state_name(states::id screen) {
    return ScreenNames[screen];
}

std::string_view state_name(phases::id phase) {
    return PhaseNames[phase];
}

std::string_view state_name(pause_state pause) {
    return PauseNames[static_cast<size_t>(pause)];
}

std::ostream& states::operator<<(std::ostream& out, id screen) {
    return out << '"' << state_name(screen) << '"';
}

std::ostream& phases::operator<<(std::ostream& out, id phase) {
    return out << '"' << state_name(phase) << '"';
}

std::ostream& operator<<(std::ostream& out, pause_state pause) {
    return out << '"' << state_name(pause) << '"';
}
