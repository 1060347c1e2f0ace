// Makes the committed replays by playing whole games with a scripted player (run by `make
// replays`). Disabled in the suite: the suite replays the files these write and compares the
// outcome.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "app/globals.h"
#include "app/replay.h"
#include "app/state.h"
#include "game/game_state.h"
#include "game/level_stats.h"
#include "tests/whole/game_driver.h"

namespace {

bool in_state(const char* state, const char* sub) {
    return state_name(GameState) == state && state_name(GameSubState) == sub;
}

struct scripted_player {
    game_driver& g;

    void reach_play() {
        ASSERT_TRUE(g.run_until([] { return in_state("gra", "5sec"); }, 300));
        g.frame(30); // a look at the picture
        g.tap(120, 120);
        ASSERT_TRUE(g.run_until([] { return in_state("gra", "start_gry"); }, 100));
    }
    void place(int n) {
        for (int i = 0; i < n && TileLast >= 0 && in_state("gra", "start_gry"); i++) {
            int cell = TileList[TileCurrent];
            g.tap(7 + 45 * (cell % 5) + 22, 7 + 45 * (cell / 5) + 22);
            g.frame(3);
        }
    }
    void place_all() { place(25); }
    // A wrong tap on an empty cell that shares a row or a column with placed tiles, if any.
    void miss() {
        int home = TileList[TileCurrent];
        int best = -1;
        for (int cell = 0; cell < 25; cell++) {
            if (Board[cell] || cell == home)
                continue;
            int placed = 0;
            for (int k = 0; k < 5; k++)
                placed += Board[(cell / 5) * 5 + k] + Board[k * 5 + cell % 5];
            if (best < 0 || placed > 0)
                best = cell;
            if (placed > 0)
                break;
        }
        ASSERT_GE(best, 0);
        g.tap(7 + 45 * (best % 5) + 22, 7 + 45 * (best / 5) + 22);
        g.frame(30); // the rockets fly off the board
    }
    void hint() {
        g.tap(25, 252);
        g.frame(20);
    }
    void previous() { g.tap(72, 270); }
    void next() { g.tap(165, 270); }
    void next_level() {
        ASSERT_TRUE(in_state("gra", "nextlevel"));
        g.frame(15);
        g.tap(120, 160);
    }
    void start_game() {
        ASSERT_TRUE(g.run_until([] { return in_state("intro", "intro"); }, 500));
        g.frame(10);
        g.tap(120, 133);
    }
    void exit_game() {
        ASSERT_TRUE(g.run_until([] { return in_state("intro", "intro"); }, 500));
        g.frame(10);
        g.tap(120, 173);
        ASSERT_EQ(GameRunning, 0);
    }
};

std::string out_dir() {
    const char* d = std::getenv("TESSOLI_REPLAY_OUT");
    return d ? d : ".";
}

void finish(game_driver& g, const std::string& name) {
    record_finish();
    unsigned long long state = game_state_hash();
    unsigned long long shown = screen_hash();
    std::string base = out_dir() + "/" + name;
    char line[128];
    std::snprintf(line, sizeof line, "state %016llx\nscreen %016llx\n", state, shown);
    write_file(base + ".expect", line);
    write_file(base + ".levels", level_table_text());
    write_file(base + ".cont", read_file(g.cont()));
}

void won_game(int scale) {
    game_driver g;
    std::string name = "won-s" + std::to_string(scale);
    g.record_path = out_dir() + "/" + name + ".replay";
    g.boot(scale, std::string(), 20261206u + scale);
    g.load_and_answer(true);
    g.enter_menu();
    scripted_player p{g};
    p.start_game();
    for (int level = 1; level <= 20; level++) {
        p.reach_play();
        ASSERT_EQ(Level, level);
        switch (level) {
        case 1:
            p.place(10);
            p.previous();
            p.previous();
            p.next();
            break;
        case 2:
        case 10:
            p.place(12);
            p.miss();
            break;
        case 3:
        case 12:
            p.hint();
            p.place(1);
            break;
        case 4:
            p.place(8);
            g.tap(213, 252); // the menu button saves the game
            p.start_game();
            ASSERT_EQ(GameSubState, phases::pre_init);
            g.frame(5);
            g.tap(95, 188); // "Yes": continue the saved game
            p.reach_play();
            ASSERT_EQ(Level, 4);
            break;
        case 5:
            p.miss();
            p.place(5);
            p.miss();
            break;
        case 15:
            p.place(20);
            p.miss();
            p.hint();
            break;
        default:
            break;
        }
        p.place_all();
        if (level < 20)
            p.next_level();
    }
    ASSERT_EQ(GameState, states::init_koniec_gry);
    p.exit_game();
    finish(g, name);
}

} // namespace

TEST(MakeReplays, DISABLED_WonGameAtScaleOne) {
    won_game(1);
}

TEST(MakeReplays, DISABLED_WonGameAtScaleTwo) {
    won_game(2);
}

TEST(MakeReplays, DISABLED_LostGame) {
    game_driver g;
    g.record_path = out_dir() + "/lost-s1.replay";
    g.boot(1, std::string(), 777u);
    g.load_and_answer(false);
    g.enter_menu();
    scripted_player p{g};
    p.start_game();
    p.reach_play();
    p.place(6);
    p.miss();
    while (GameState == states::gra)
        p.hint();
    ASSERT_EQ(GameState, states::init_game_over);
    p.exit_game();
    finish(g, "lost-s1");
}
