// Desktop keys act as the taps they stand for, and a pause stops the level.
#include <gtest/gtest.h>

#include <SDL.h>
#include <cstdio>
#include <tuple>
#include <sys/wait.h>
#include <unistd.h>

#include "app/globals.h"
#include "app/replay.h"
#include "app/state.h"
#include "fx/effects.h"
#include "game/game_state.h"
#include "platform/input.h"
#include "res/audio.h"
#include "tests/whole/game_driver.h"

namespace {

bool in_state(const char* state, const char* sub) {
    return state_name(GameState) == state && state_name(GameSubState) == sub;
}

void to_menu(game_driver& g) {
    g.load_and_answer(true);
    g.enter_menu();
    ASSERT_TRUE(g.run_until([] { return in_state("intro", "intro"); }, 100));
}

void to_play(game_driver& g) {
    to_menu(g);
    g.key(SDLK_RETURN); // "Start Game"
    ASSERT_TRUE(g.run_until([] { return in_state("gra", "start_gry"); }, 400));
}

// A cell whose tile is not the one offered: a tap there is a miss and launches rockets.
int wrong_cell() {
    for (int c = 0; c < 25; c++)
        if (Board[c] == 0 && c != TileList[TileCurrent])
            return c;
    return -1;
}

void tap_cell(game_driver& g, int cell) {
    g.tap(8 + 45 * (cell % 5) + 22, 8 + 45 * (cell / 5) + 22);
}

// A pause asked for by the P key or by the window losing the focus.
void ask_pause(game_driver& g, bool by_focus) {
    if (by_focus) {
        SDL_Event e{};
        e.active = {SDL_ACTIVEEVENT, 0, SDL_APPINPUTFOCUS};
        SDL_PushEvent(&e);
        g.frame();
    } else {
        g.key(SDLK_p);
    }
}

} // namespace

// The splash goes on with Space or Return and the sound question takes Y or N; nothing else is
// queued, so a key that did nothing would leave the loading screen to the quit request behind.
// One boot per process: SDL 1.2 on SDL2 loses the screen surface of an earlier boot when the same
// process sets a video mode again, and the sanitizer build's leak check names it.
struct SplashKeys : ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(SplashKeys, AndTheSoundAnswer) {
    const auto [splash, yes] = GetParam();
    game_driver g;
    g.boot(1);
    g.push_key(splash);
    g.push_key(yes ? SDLK_y : SDLK_n);
    g.run_loading();
    EXPECT_EQ(music_volume, yes ? 128 : 0);
    EXPECT_EQ(sound_volume, yes ? 128 : 0);
}

INSTANTIATE_TEST_SUITE_P(WholeGameKeys, SplashKeys,
                         ::testing::Combine(::testing::Values(SDLK_SPACE, SDLK_RETURN),
                                            ::testing::Bool()));

TEST(WholeGameKeys, ArrowsHintAndMenuKeysPressTheButtons) {
    game_driver g;
    g.boot(1);
    to_play(g);
    int first = TileCurrent;
    g.key(SDLK_RIGHT);
    EXPECT_EQ(TileCurrent, first + 1);
    g.key(SDLK_LEFT);
    EXPECT_EQ(TileCurrent, first);
    int score = Score, time = TimeLeft;
    g.key(SDLK_h);
    EXPECT_EQ(HintActive, 1);
    EXPECT_EQ(Score, score - 10);
    EXPECT_LE(TimeLeft, time - 7);
    g.push_key(SDLK_m); // the menu button: saved, and "Continue game?" then takes Y
    g.frame();
    EXPECT_EQ(GameState, states::init_intro);
    EXPECT_TRUE(file_exists(g.cont()));
    ASSERT_TRUE(g.run_until([] { return in_state("intro", "intro"); }, 100));
    g.key(SDLK_RETURN);
    ASSERT_EQ(GameSubState, phases::pre_init);
    g.frame();
    g.key(SDLK_y);
    EXPECT_EQ(ContinueFlag, 1);
    EXPECT_EQ(GameState, states::init_gra);
}

struct MenuKey : ::testing::TestWithParam<int> {};

TEST_P(MenuKey, EndsTheProgram) {
    game_driver g;
    g.boot(1);
    to_menu(g);
    g.key(SDLK_a); // a key with no meaning here does nothing
    EXPECT_TRUE(GameRunning);
    g.key(GetParam());
    EXPECT_FALSE(GameRunning);
}

INSTANTIATE_TEST_SUITE_P(WholeGameKeys, MenuKey, ::testing::Values(SDLK_ESCAPE, SDLK_q));

// "Continue game?" takes N as its "No": a new game at level 1.
TEST(WholeGameKeys, NOnTheContinuePromptStartsAfresh) {
    game_driver g;
    g.boot(1);
    to_play(g);
    tap_cell(g, TileList[TileCurrent]);
    g.push_key(SDLK_m);
    g.frame();
    ASSERT_TRUE(g.run_until([] { return in_state("intro", "intro"); }, 100));
    g.key(SDLK_RETURN);
    ASSERT_EQ(GameSubState, phases::pre_init);
    g.frame();
    g.key(SDLK_n);
    EXPECT_EQ(ContinueFlag, 0);
    ASSERT_TRUE(g.run_until([] { return in_state("gra", "5sec"); }, 200));
    for (int c = 0; c < 25; c++)
        EXPECT_EQ(Board[c], 0);
}

// Paused by P or by the window losing focus: the clock, the rockets and the look stand still and
// the board takes no tap; a tap goes on without acting, and the clock runs again.
struct Pause : ::testing::TestWithParam<bool> {}; // true: by losing the focus

TEST_P(Pause, StopsClockAndRocketsAndIgnoresBoardTaps) {
    game_driver g;
    g.boot(1);
    to_play(g);
    tap_cell(g, wrong_cell());
    ASSERT_NE(RocketMode, 0) << "the miss launched no rockets";
    ask_pause(g, GetParam());
    const int time = TimeLeft, tiles = TileCurrent, rocket_x = trails[0].x, rocket_y = trails[0].y;
    const int score = Score;
    g.frame(100);
    EXPECT_EQ(TimeLeft, time);
    EXPECT_EQ(trails[0].x, rocket_x);
    EXPECT_EQ(trails[0].y, rocket_y);
    tap_cell(g, TileList[TileCurrent]); // goes on, without placing the tile
    EXPECT_EQ(TileCurrent, tiles);
    EXPECT_EQ(Score, score);
    g.frame(60);
    EXPECT_LT(TimeLeft, time);
}

INSTANTIATE_TEST_SUITE_P(WholeGameKeys, Pause, ::testing::Values(false, true));

std::tuple<int, int, int> level_clocks() {
    return {WaitFrames, TimeLeft, TimeFrames};
}

// Paused: neither the look nor the clock moves.
void expect_standing_still(game_driver& g) {
    const auto clocks = level_clocks();
    g.frame(60);
    EXPECT_EQ(level_clocks(), clocks);
}

// A pause in the look keeps the look: going on shows the picture again, as it was before the
// pause, with the time the look had left.
TEST_P(Pause, InTheLookKeepsThePictureAndItsTime) {
    game_driver g;
    g.boot(1);
    to_menu(g);
    g.key(SDLK_RETURN);
    ASSERT_TRUE(g.run_until([] { return in_state("gra", "5sec"); }, 200));
    g.frame(10);
    const uint64_t look = screen_hash();
    const int wait = WaitFrames;
    ask_pause(g, GetParam());
    ASSERT_NE(screen_hash(), look) << "the panel did not cover the picture";
    expect_standing_still(g);
    g.push_key(SDLK_SPACE); // goes on
    g.frame();
    EXPECT_EQ(screen_hash(), look) << "the look did not show the picture again";
    EXPECT_EQ(WaitFrames, wait + 1) << "the look's time changed";
    EXPECT_TRUE(in_state("gra", "5sec"));
}

// Asked for during a fade or while a cleared level waits for its tap, a pause is held and taken
// on the first frame of the look or of play.
enum class phase { fade_in, fade_out, level_clear };
struct HeldPause : ::testing::TestWithParam<std::tuple<phase, bool>> {};

TEST_P(HeldPause, IsTakenWhenThePhaseAllows) {
    const auto [when, by_focus] = GetParam();
    game_driver g;
    g.boot(1);
    const char* paused_in = "5sec";
    if (when == phase::level_clear) {
        to_play(g);
        while (TileCurrent <= TileLast && !in_state("gra", "nextlevel"))
            tap_cell(g, TileList[TileCurrent]);
        ASSERT_TRUE(in_state("gra", "nextlevel"));
        ask_pause(g, by_focus);
        g.frame(5);
        g.tap(120, 120); // on to the next level
    } else {
        to_menu(g);
        g.key(SDLK_RETURN);
        ASSERT_TRUE(g.run_until([] { return in_state("gra", "przejscie obrazek"); }, 200));
        if (when == phase::fade_out) {
            ASSERT_TRUE(g.run_until([] { return in_state("gra", "5sec"); }, 200));
            g.tap(120, 120); // ends the look
            ASSERT_TRUE(in_state("gra", "przejscie obrazek2"));
            paused_in = "start_gry";
        }
        ask_pause(g, by_focus);
    }
    const std::string phase_name = paused_in;
    ASSERT_TRUE(g.run_until([&] { return in_state("gra", phase_name.c_str()); }, 200));
    g.frame();
    expect_standing_still(g);
    g.key(SDLK_SPACE); // goes on
    const auto clocks = level_clocks();
    g.frame(30);
    EXPECT_NE(level_clocks(), clocks) << "the level did not go on";
}

std::string held_pause_name(const ::testing::TestParamInfo<std::tuple<phase, bool>>& info) {
    static const char* const names[] = {"FadeIn", "FadeOut", "LevelClear"};
    return std::string(names[static_cast<int>(std::get<0>(info.param))]) +
           (std::get<1>(info.param) ? "ByFocus" : "ByKey");
}

INSTANTIATE_TEST_SUITE_P(WholeGameKeys, HeldPause,
                         ::testing::Combine(::testing::Values(phase::fade_in, phase::fade_out,
                                                              phase::level_clear),
                                            ::testing::Bool()),
                         held_pause_name);

// F1 shows the help page over a paused level and over the menu; a key goes back and does
// nothing else, and the level's clock stands still meanwhile. S turns the sound off and on.
TEST(WholeGameKeys, HelpPageAndSoundKey) {
    game_driver g;
    g.boot(1);
    to_menu(g);
    g.key(SDLK_s);
    EXPECT_EQ(music_volume, 0);
    EXPECT_EQ(sound_volume, 0);
    g.key(SDLK_F1);
    const uint64_t help = screen_hash();
    g.key(SDLK_ESCAPE); // back from the page, not "Exit Game"
    EXPECT_TRUE(GameRunning);
    EXPECT_NE(screen_hash(), help);
    g.key(SDLK_RETURN);
    ASSERT_TRUE(g.run_until([] { return in_state("gra", "start_gry"); }, 400));
    g.key(SDLK_s);
    EXPECT_EQ(music_volume, 128);
    EXPECT_EQ(sound_volume, 128);
    g.key(SDLK_F1); // pauses, with the page
    EXPECT_EQ(screen_hash(), help);
    expect_standing_still(g);
    g.key(SDLK_m); // back to the panel: not the menu button
    EXPECT_TRUE(in_state("gra", "start_gry"));
    EXPECT_NE(screen_hash(), help);
    expect_standing_still(g);
    g.key(SDLK_SPACE); // goes on
    const int time = TimeLeft;
    g.frame(60);
    EXPECT_LT(TimeLeft, time);
}

// Escape pauses; a second Escape, or M, is the menu button: the level is saved and the menu
// comes. The Pause key pauses too.
struct SecondKey : ::testing::TestWithParam<int> {};

TEST_P(SecondKey, AfterEscapeSavesAndLeaves) {
    game_driver g;
    g.boot(1);
    to_play(g);
    g.key(SDLK_ESCAPE);
    EXPECT_TRUE(in_state("gra", "start_gry"));
    EXPECT_FALSE(file_exists(g.cont())) << "a pause alone saves nothing";
    g.push_key(GetParam());
    g.frame();
    EXPECT_EQ(GameState, states::init_intro);
    EXPECT_TRUE(file_exists(g.cont()));
}

INSTANTIATE_TEST_SUITE_P(WholeGameKeys, SecondKey, ::testing::Values(SDLK_ESCAPE, SDLK_m));

TEST(WholeGameKeys, ThePauseKeyPauses) {
    game_driver g;
    g.boot(1);
    to_play(g);
    const int time = TimeLeft;
    g.key(SDLK_PAUSE);
    g.frame(60);
    EXPECT_EQ(TimeLeft, time);
}

// Coming back into focus is not a tap: the level stays paused until the player acts. While
// paused each frame waits for the next event instead of running on.
TEST(WholeGameKeys, RegainingFocusDoesNotGoOnAndThePauseWaits) {
    static int waits;
    game_driver g;
    g.boot(1);
    to_play(g);
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
    const int time = TimeLeft;
    g.frame(60);
    EXPECT_EQ(TimeLeft, time);
    EXPECT_EQ(waits, 61);
    g.key(SDLK_h); // goes on, without taking a hint
    EXPECT_EQ(HintActive, 0);
    waits = 0;
    g.frame(60);
    EXPECT_LT(TimeLeft, time);
    EXPECT_EQ(waits, 0);
}

// A session played with keys, paused by P and by losing the focus, and left by Escape twice,
// is recorded; the real program plays the recording back as a timedemo to the same state and
// the same cont.tll (the focus loss comes back as the pause it made).
TEST(WholeGameKeys, ARecordedKeySessionPlaysBackTheSame) {
    temp_dir handoff;
    const std::string recording = handoff.file("keys.replay");
    pid_t child = fork(); // one recorded boot per process
    ASSERT_GE(child, 0);
    if (child == 0) {
        bool ok = true;
        {
            game_driver g;
            g.record_path = recording;
            g.boot(1);
            g.push_key(SDLK_RETURN);
            g.push_key(SDLK_y);
            g.run_loading();
            g.enter_menu();
            ok = g.run_until([] { return in_state("intro", "intro"); }, 100);
            g.key(SDLK_RETURN);
            ok = ok && g.run_until([] { return in_state("gra", "start_gry"); }, 400);
            g.key(SDLK_RIGHT);
            g.key(SDLK_h);
            g.frame(20);
            tap_cell(g, TileList[TileCurrent]);
            g.key(SDLK_p);
            g.frame(30);
            g.tap(120, 120); // goes on; on the board, but places nothing
            g.frame(10);
            SDL_Event e{};
            e.active = {SDL_ACTIVEEVENT, 0, SDL_APPINPUTFOCUS};
            SDL_PushEvent(&e);
            g.frame(40);
            tap_cell(g, TileList[TileCurrent]); // goes on
            g.key(SDLK_LEFT);
            g.frame(20);
            g.key(SDLK_ESCAPE);
            g.key(SDLK_ESCAPE); // the menu button: saved
            ok = ok && g.run_until([] { return in_state("intro", "intro"); }, 100);
            g.key(SDLK_q);
            ok = ok && !GameRunning;
            record_finish();
            char line[64];
            std::snprintf(line, sizeof line, "state %016llx",
                          static_cast<unsigned long long>(game_state_hash()));
            write_file(handoff.file("expect"), line);
            write_file(handoff.file("cont.tll"), read_file(g.cont()));
        }
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the recorded run failed";
    const std::string text = read_file(recording);
    ASSERT_NE(text.find(" 24 1 0 0\n"), std::string::npos) << "no pause request recorded:\n"
                                                           << text;

    temp_dir run;
    const std::string built = media_root() + "/media-s1";
    std::string command = "mkdir -p '" + run.path() + "media' && cp '" + build_dir() +
                          "/tessoli' '" + run.path() + "' && cp '" + built + "'/*.def '" + built +
                          "'/*.pak '" + built + "'/*.txt '" + built + "'/config.tll '" +
                          run.path() + "media/' && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy '" +
                          run.path() + "tessoli' --replay '" + recording + "' --timedemo > '" +
                          run.file("line") + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_NE(read_file(run.file("line")).find(read_file(handoff.file("expect"))),
              std::string::npos)
        << "recorded " << read_file(handoff.file("expect")) << "\nplayed   "
        << read_file(run.file("line"));
    EXPECT_EQ(read_file(run.file("media/cont.tll")), read_file(handoff.file("cont.tll")));
}
