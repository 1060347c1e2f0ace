// Makes the committed replays by playing whole games with a scripted player (run by `make
// replays`). Disabled in the suite: the suite replays the files these write and compares the
// outcome.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "app/replay.h"
#include "app/state.h"
#include "game/game_state.h"
#include "game/level_stats.h"
#include "tests/whole/game_driver.h"

namespace {

struct scripted_player {
    game_driver g;
    std::string name;

    std::string out(const char* ending) const {
        const char* d = std::getenv("TESSOLI_REPLAY_OUT");
        return std::string(d ? d : ".") + "/" + name + ending;
    }
    // A recorded run from boot to the menu's "Start Game".
    scripted_player(const std::string& recording, int scale, unsigned seed, bool sound)
        : name(recording) {
        g.record_path = out(".replay");
        g.boot(scale, std::string(), seed);
        g.load_and_answer(sound);
        g.enter_menu();
        start_game();
    }
    void reach_play() {
        ASSERT_TRUE(g.run_until([] { return in_state(states::gra, phases::five_sec); }, 300));
        g.frame(30); // a look at the picture
        g.tap(120, 120);
        ASSERT_TRUE(g.run_until([] { return in_state(states::gra, phases::start_gry); }, 100));
    }
    void place(int n) {
        for (int i = 0; i < n && Game.TileLast >= 0 && in_state(states::gra, phases::start_gry);
             i++) {
            g.tap_cell(Game.TileList[Game.TileCurrent]);
            g.frame(3);
        }
    }
    // A wrong tap on an empty cell that shares a row or a column with placed tiles, if any.
    void miss() {
        int home = Game.TileList[Game.TileCurrent];
        int best = -1;
        for (int cell = 0; cell < 25; cell++) {
            if (Game.Board[cell] || cell == home)
                continue;
            int placed = 0;
            for (int k = 0; k < 5; k++)
                placed += Game.Board[(cell / 5) * 5 + k] + Game.Board[k * 5 + cell % 5];
            if (best < 0 || placed > 0)
                best = cell;
            if (placed > 0)
                break;
        }
        ASSERT_GE(best, 0);
        g.tap_cell(best);
        g.frame(30); // the rockets fly off the board
    }
    void hint() { g.tap(25, 252), g.frame(20); }
    // A tap on the menu's line at y once the menu is there: "Start Game" at 133.
    void menu_tap(int y) {
        ASSERT_TRUE(g.run_until([] { return in_state(states::intro, phases::intro); }, 500));
        g.frame(10);
        g.tap(120, y);
    }
    void start_game() { menu_tap(133); }
    void act(const std::string& op) {
        if (op[0] == 'p') {
            place(std::stoi(op.substr(1)));
        } else if (op == "m") {
            miss();
        } else if (op == "h") {
            hint();
        } else if (op == "s") {
            const int level = Game.Level;
            g.tap(213, 252); // the menu button saves the game
            start_game();
            ASSERT_EQ(GameSubState, phases::pre_init);
            g.frame(5);
            g.tap(95, 188); // "Yes": continue the saved game
            reach_play();
            ASSERT_EQ(Game.Level, level);
        } else {
            g.tap(op == "<" ? 72 : 165, 270); // the arrows
        }
    }
    // "Exit Game" on the menu, then the recording, its outcome and the files it left.
    void finish() {
        menu_tap(173);
        ASSERT_EQ(GameRunning, 0);
        record_finish();
        unsigned long long state = game_state_hash(), shown = screen_hash();
        char line[128];
        std::snprintf(line, sizeof line, "state %016llx\nscreen %016llx\n", state, shown);
        write_file(out(".expect"), line);
        write_file(out(".levels"), level_table_text());
        write_file(out(".cont"), read_file(g.cont()));
    }
};

// What the player does on a level before placing the rest: pN places N tiles, m misses, h takes a
// hint, < and > tap the arrows, s saves through the menu button and continues the saved game.
const char* const Script[21] = {nullptr, "p10 < < >", "p12 m", "h p1",   "p8 s",  "m p5 m",
                                nullptr, nullptr,     nullptr, nullptr,  "p12 m", nullptr,
                                "h p1",  nullptr,     nullptr, "p20 m h"};

void won_game(int scale) {
    scripted_player p("won-s" + std::to_string(scale), scale, 20261206u + scale, true);
    for (int level = 1; level <= 20; level++) {
        p.reach_play();
        ASSERT_EQ(Game.Level, level);
        std::istringstream script(Script[level] ? Script[level] : "");
        for (std::string op; script >> op;)
            p.act(op);
        p.place(25);
        if (level < 20) {
            ASSERT_TRUE(in_state(states::gra, phases::nextlevel));
            p.g.frame(15);
            p.g.tap(120, 160);
        }
    }
    ASSERT_EQ(GameState, states::init_koniec_gry);
    p.finish();
}

} // namespace

TEST(MakeReplays, DISABLED_WonGameAtScaleOne) {
    won_game(1);
}

TEST(MakeReplays, DISABLED_WonGameAtScaleTwo) {
    won_game(2);
}

TEST(MakeReplays, DISABLED_LostGame) {
    scripted_player p("lost-s1", 1, 777u, false);
    p.reach_play();
    p.place(6);
    p.miss();
    while (GameState == states::gra)
        p.hint();
    ASSERT_EQ(GameState, states::init_game_over);
    p.finish();
}
