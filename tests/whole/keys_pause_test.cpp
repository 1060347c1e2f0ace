// Desktop keys act as the taps they stand for, and a pause stops the level.
#include <gtest/gtest.h>

#include <SDL.h>
#include <array>
#include <tuple>

#include "app/replay.h"
#include "app/state.h"
#include "fx/effects.h"
#include "game/game_state.h"
#include "platform/input.h"
#include "res/audio.h"
#include "tests/whole/game_driver.h"

namespace {

// A cell whose tile is not the one offered: a tap there is a miss and launches rockets.
int wrong_cell() {
    for (int c = 0; c < 25; c++)
        if (Game.Board[c] == 0 && c != Game.TileList[Game.TileCurrent])
            return c;
    return -1;
}

// A pause asked for by a key (P or the Pause key), or by the window losing the focus (0).
void ask_pause(game_driver& g, int key) {
    key ? g.key(key) : g.lose_focus();
}

} // namespace

std::tuple<int, int, int> level_clocks() {
    return {Game.WaitFrames, Game.TimeLeft, Game.TimeFrames};
}

// Paused: neither the look nor the clock moves.
void expect_standing_still(game_driver& g) {
    const auto clocks = level_clocks();
    g.frame(60);
    EXPECT_EQ(level_clocks(), clocks);
}

// Paused by P or by the window losing focus. In the look the panel covers the picture, and going
// on shows it again as it was, with the time the look had left. In play the clock and the rockets
// stand still and the board takes no tap; a tap goes on without acting, and the clock runs again.
// Then Escape pauses; a second Escape, or M, is the menu button: the level is saved and the menu
// comes. There Escape or Q ends the program, and a key with no meaning does nothing.
struct Pause : ::testing::TestWithParam<std::array<int, 3>> {}; // asking (0: focus), 2nd, on menu

TEST_P(Pause, KeepsTheLookStopsPlayAndASecondKeySavesAndLeaves) {
    const auto [how, second, ending] = GetParam();
    game_driver g;
    g.boot(1);
    g.to_menu();
    g.key(SDLK_RETURN);
    ASSERT_TRUE(g.run_until([] { return in_state(states::gra, phases::five_sec); }, 200));
    g.frame(10);
    const uint64_t look = screen_hash();
    const int wait = Game.WaitFrames;
    ask_pause(g, how);
    ASSERT_NE(screen_hash(), look) << "the panel did not cover the picture";
    expect_standing_still(g);
    g.push_key(SDLK_SPACE); // goes on
    g.frame();
    EXPECT_EQ(screen_hash(), look) << "the look did not show the picture again";
    EXPECT_EQ(Game.WaitFrames, wait + 1) << "the look's time changed";
    EXPECT_TRUE(in_state(states::gra, phases::five_sec));

    g.tap(120, 120); // ends the look
    ASSERT_TRUE(g.run_until([] { return in_state(states::gra, phases::start_gry); }, 100));
    g.tap_cell(wrong_cell());
    ASSERT_NE(Game.RocketMode, 0) << "the miss launched no rockets";
    ask_pause(g, how);
    const int time = Game.TimeLeft, tiles = Game.TileCurrent, score = Game.Score;
    const int rocket_x = trails[0].x, rocket_y = trails[0].y;
    g.frame(100);
    EXPECT_EQ(Game.TimeLeft, time);
    EXPECT_EQ(trails[0].x, rocket_x);
    EXPECT_EQ(trails[0].y, rocket_y);
    g.tap_cell(Game.TileList[Game.TileCurrent]); // goes on, without placing the tile
    EXPECT_EQ(Game.TileCurrent, tiles);
    EXPECT_EQ(Game.Score, score);
    g.frame(60);
    EXPECT_LT(Game.TimeLeft, time);

    g.key(SDLK_ESCAPE);
    EXPECT_TRUE(in_state(states::gra, phases::start_gry));
    EXPECT_FALSE(file_exists(g.cont())) << "a pause alone saves nothing";
    g.push_key(second);
    g.frame();
    EXPECT_EQ(GameState, states::init_intro);
    EXPECT_TRUE(file_exists(g.cont()));
    ASSERT_TRUE(g.run_until([] { return in_state(states::intro, phases::intro); }, 100));
    g.key(SDLK_a);
    EXPECT_TRUE(GameRunning);
    g.key(ending);
    EXPECT_FALSE(GameRunning);
}

INSTANTIATE_TEST_SUITE_P(WholeGameKeys, Pause,
                         ::testing::Values(std::array<int, 3>{SDLK_p, SDLK_ESCAPE, SDLK_ESCAPE},
                                           std::array<int, 3>{0, SDLK_m, SDLK_q}));

// The pause held since a fade or a cleared level is taken when the level reaches phase: there
// it stands still, and Space goes on.
void expect_taken_in(game_driver& g, phases::id phase) {
    ASSERT_TRUE(g.run_until([&] { return in_state(states::gra, phase); }, 200));
    g.frame();
    expect_standing_still(g);
    g.key(SDLK_SPACE); // goes on
    const auto clocks = level_clocks();
    g.frame(30);
    EXPECT_NE(level_clocks(), clocks) << "the level did not go on";
}

// Asked for during a fade or while a cleared level waits for its tap, a pause is held and taken
// on the first frame of the look or of play; each phase asked in one of the ways.
TEST(WholeGameKeys, HeldPauseIsTakenWhenThePhaseAllows) {
    game_driver g;
    g.boot(1);
    g.to_menu();
    g.key(SDLK_RETURN);
    ASSERT_TRUE(g.run_until([] { return in_state(states::gra, phases::przejscie_obrazek); }, 200));
    g.key(SDLK_p); // in the fade in
    expect_taken_in(g, phases::five_sec);
    ASSERT_TRUE(in_state(states::gra, phases::five_sec));
    g.tap(120, 120); // ends the look
    ASSERT_TRUE(in_state(states::gra, phases::przejscie_obrazek2));
    g.lose_focus(); // in the fade out
    expect_taken_in(g, phases::start_gry);
    while (Game.TileCurrent <= Game.TileLast && !in_state(states::gra, phases::nextlevel))
        g.tap_cell(Game.TileList[Game.TileCurrent]);
    ASSERT_TRUE(in_state(states::gra, phases::nextlevel));
    g.key(SDLK_PAUSE); // while the cleared level waits
    g.frame(5);
    g.tap(120, 120); // on to the next level
    expect_taken_in(g, phases::five_sec);
    EXPECT_EQ(Game.Level, 2);
}

// In one run: F1 shows the help page over the menu and over a paused level; a key goes back and
// does nothing else, and the level's clock stands still meanwhile. S turns the sound off and on.
// Coming back into focus is not a tap: the level stays paused until the player acts, and while
// paused each frame waits for the next event instead of running on. The arrows, H and M press
// their buttons, and Y answers "Continue game?".
TEST(WholeGameKeys, HelpSoundFocusArrowsHintAndMenuKeys) {
    static int waits;
    game_driver g;
    g.boot(1);
    g.to_menu();
    g.key(SDLK_s);
    EXPECT_EQ(std::make_pair(music_volume, sound_volume), std::make_pair(0, 0));
    g.key(SDLK_F1);
    const uint64_t help = screen_hash();
    g.key(SDLK_ESCAPE); // back from the page, not "Exit Game"
    EXPECT_TRUE(GameRunning);
    EXPECT_NE(screen_hash(), help);
    g.key(SDLK_RETURN);
    ASSERT_TRUE(g.run_until([] { return in_state(states::gra, phases::start_gry); }, 400));
    g.key(SDLK_s);
    EXPECT_EQ(std::make_pair(music_volume, sound_volume), std::make_pair(128, 128));
    g.key(SDLK_F1); // pauses, with the page
    EXPECT_EQ(screen_hash(), help);
    expect_standing_still(g);
    g.key(SDLK_m); // back to the panel: not the menu button
    EXPECT_TRUE(in_state(states::gra, phases::start_gry));
    EXPECT_NE(screen_hash(), help);
    expect_standing_still(g);
    g.key(SDLK_SPACE); // goes on

    input_wait_for_event = [] { waits++; };
    waits = 0;
    g.frame(10);
    EXPECT_EQ(waits, 0) << "play waited for events";
    SDL_Event e{};
    e.active = {SDL_ACTIVEEVENT, 0, SDL_APPACTIVE}; // minimised
    SDL_PushEvent(&e);
    g.frame();
    e.active = {SDL_ACTIVEEVENT, 1, SDL_APPACTIVE | SDL_APPINPUTFOCUS};
    SDL_PushEvent(&e);
    const int time = Game.TimeLeft;
    g.frame(60);
    EXPECT_EQ(Game.TimeLeft, time);
    EXPECT_EQ(waits, 61);
    g.key(SDLK_h); // goes on, without taking a hint
    EXPECT_EQ(Game.HintActive, 0);
    waits = 0;
    g.frame(60);
    EXPECT_LT(Game.TimeLeft, time);
    EXPECT_EQ(waits, 0);

    const int first = Game.TileCurrent;
    g.key(SDLK_RIGHT);
    EXPECT_EQ(Game.TileCurrent, first + 1);
    g.key(SDLK_LEFT);
    EXPECT_EQ(Game.TileCurrent, first);
    const int score = Game.Score, left = Game.TimeLeft;
    g.key(SDLK_h);
    EXPECT_EQ(Game.HintActive, 1);
    EXPECT_EQ(Game.Score, score - 10);
    EXPECT_LE(Game.TimeLeft, left - 7);
    g.push_key(SDLK_m); // the menu button: saved, and "Continue game?" then takes Y
    g.frame();
    EXPECT_EQ(GameState, states::init_intro);
    EXPECT_TRUE(file_exists(g.cont()));
    ASSERT_TRUE(g.run_until([] { return in_state(states::intro, phases::intro); }, 100));
    g.key(SDLK_RETURN);
    ASSERT_EQ(GameSubState, phases::pre_init);
    g.frame();
    g.key(SDLK_y);
    EXPECT_EQ(Game.ContinueFlag, 1);
    EXPECT_EQ(GameState, states::init_gra);
}
