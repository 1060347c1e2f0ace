// Ending the program mid-level, by a quit request, a signal, in the look or paused, keeps the
// level.
#include <gtest/gtest.h>

#include <SDL.h>
#include <csignal>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "app/state.h"
#include "game/game_state.h"
#include "platform/input.h"
#include "tests/whole/game_driver.h"

namespace {

// Everything a continued level must give back.
std::string level_state() {
    std::ostringstream s;
    s << Game.Level << " " << Game.Score << " " << Game.TimeLeft << " " << Game.TileCurrent << " "
      << Game.TileLast << " " << Game.PictureNumber << " |";
    for (int i = 0; i < 25; i++)
        s << " " << Game.Board[i] << "/" << Game.TileList[i];
    for (int i = 0; i < 20; i++)
        s << " " << Game.PictureUsed[i];
    return s.str();
}

enum class ending { quit_request, hang_up, terminate, in_the_look, while_paused };

// Plays into level 1 in a child process (one boot per process), ends it there, and hands back
// the level as it was when the end came and the cont.tll it left.
void play_and_end(ending how, const temp_dir& handoff) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        bool ok = true;
        {
            game_driver g;
            g.boot(1);
            g.to_menu();
            g.tap(120, 133); // "Start Game"
            if (how == ending::in_the_look) {
                ok = g.run_until([] { return in_state(states::gra, phases::five_sec); }, 200);
                g.frame(10);
            } else {
                ok = g.run_until([] { return in_state(states::gra, phases::start_gry); }, 400);
                g.tap_cell(Game.TileList[Game.TileCurrent]);
                g.tap_cell(Game.TileList[Game.TileCurrent]);
                g.tap(165, 270); // the right arrow
                g.frame(60);     // a few seconds off the clock
                if (how == ending::while_paused) {
                    g.push_key(SDLK_p);
                    g.frame(30);
                }
            }
            write_file(handoff.file("state"), level_state());
            if (how == ending::hang_up)
                std::raise(SIGHUP);
            else if (how == ending::terminate)
                std::raise(SIGTERM); // SDL's handler makes it a quit request
            else
                g.push_quit();
            // The paused frame that takes the quit must not then wait for another event.
            static bool waited;
            waited = false;
            input_wait_for_event = [] { waited = true; };
            g.frame();
            ok = ok && !GameRunning && !waited;
            write_file(handoff.file("cont.tll"), read_file(g.cont()));
        }
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the first run failed";
}

} // namespace

struct QuitMidLevel : ::testing::TestWithParam<ending> {};

TEST_P(QuitMidLevel, SavesAndTheNextRunContinuesTheSameLevel) {
    temp_dir handoff;
    play_and_end(GetParam(), handoff);
    if (HasFatalFailure())
        return;
    const std::string ended = read_file(handoff.file("state"));
    const std::string saved = read_file(handoff.file("cont.tll"));
    ASSERT_FALSE(saved.empty()) << "nothing saved";

    game_driver g;
    g.boot(1, saved);
    g.to_menu();
    g.tap(120, 133); // "Start Game"
    ASSERT_EQ(GameSubState, phases::pre_init) << "no \"Continue game?\" after the quit";
    g.frame();
    g.tap(90, 188); // "Yes"
    ASSERT_TRUE(g.run_until([] { return in_state(states::gra, phases::five_sec); }, 200));
    EXPECT_EQ(level_state(), ended);
}

INSTANTIATE_TEST_SUITE_P(WholeGame, QuitMidLevel,
                         ::testing::Values(ending::quit_request, ending::hang_up, ending::terminate,
                                           ending::in_the_look, ending::while_paused));
