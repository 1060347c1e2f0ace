// The whole program played through its real frame loop with real SDL events.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <sstream>
#include <vector>

#include "app/globals.h"
#include "app/state.h"
#include "game/game_state.h"
#include "game/rules.h"
#include "game/twins.h"
#include "platform/input.h"
#include "res/audio.h"
#include "screens/screens.h"
#include "tests/tools/tool_paths.h"
#include "tests/whole/game_driver.h"

namespace {

// A saved game on level 3: the top row placed, the rest in the pile, 100 seconds left.
std::string saved_level_three() {
    std::ostringstream f;
    f << "100 50 19 2 3 77 4 ";
    for (int i = 0; i < 25; i++)
        f << (i < 20 ? i + 5 : 0) << " 1 " << (i < 5 ? 1 : 0) << " ";
    for (int p = 0; p < 20; p++)
        f << (p <= 4 && p != 3 ? 1 : 0) << " ";
    return f.str();
}

bool in_state(const char* state, const char* sub) {
    return state_name(GameState) == state && state_name(GameSubState) == sub;
}

} // namespace

// Either answer starts the music and every sound, "No" at volume 0; a tap queued during loading
// that lies on neither answer waits for one that does.
struct SoundAnswer : ::testing::TestWithParam<std::pair<int, int>> {}; // x of the answer, volume

TEST_P(SoundAnswer, SetsTheVolume) {
    game_driver g;
    g.boot(1);
    for (auto p : {std::make_pair(100, 100), std::make_pair(20, 300),
                   std::make_pair(GetParam().first, 138)}) {
        g.push_down(p.first, p.second);
        g.push_up(p.first, p.second);
    }
    g.run_loading();
    EXPECT_EQ((std::vector<int>{music_off, sounds_off, music_volume, sound_volume}),
              (std::vector<int>{0, 0, GetParam().second, GetParam().second}));
}

// One boot per process: SDL does not give back everything of a video mode on a second start.
INSTANTIATE_TEST_SUITE_P(WholeGame, SoundAnswer,
                         ::testing::Values(std::make_pair(74, 128), std::make_pair(154, 0)));

// The splash and the sound question wait for the player's next event between polls instead of
// polling on: the waits below are where the player acts (a wait that never came would leave the
// splash to poll an empty queue for ever). A mouse move shows the question again, no sooner than
// its frame.
TEST(WholeGame, SplashAndTheSoundQuestionWaitForThePlayer) {
    static game_driver* driver;
    static int waits;
    game_driver g;
    g.boot(1);
    driver = &g;
    waits = 0;
    input_wait_for_event = [] {
        switch (++waits) {
        case 3: // on the splash
            driver->push_down(100, 100);
            driver->push_up(100, 100);
            break;
        case 4: { // on the question
            SDL_Event e{};
            e.motion = {SDL_MOUSEMOTION, 0, 0, 20, 20, 1, 1};
            SDL_PushEvent(&e);
            break;
        }
        case 5:
            driver->push_down(74, 138); // "Yes"
            driver->push_up(74, 138);
            break;
        }
    };
    loading_screen();
    EXPECT_EQ(waits, 5);
    EXPECT_EQ(music_volume, 128);
}

// A mouse swept over the menu queues a burst of motion; the click behind it starts the game in
// the very next frame, as it would with nothing before it.
TEST(WholeGame, AClickRightAfterABurstOfMouseMotionActsInTheNextFrame) {
    game_driver g;
    g.boot(1);
    g.load_and_answer(true);
    g.enter_menu();
    ASSERT_TRUE(g.run_until([] { return in_state("intro", "intro"); }, 200));
    g.frame(10);
    for (int i = 0; i < 100; i++) {
        SDL_Event e{};
        e.motion = {SDL_MOUSEMOTION, 0, 0, Uint16(20 + i), 133, 1, 0};
        ASSERT_EQ(0, SDL_PushEvent(&e));
    }
    g.push_down(120, 133); // "Start Game"
    g.frame();
    EXPECT_EQ(GameState, states::init_gra);
}

// The recorded games only ever answer "Yes"; "No" must neither load the saved game nor overwrite
// it before the next save.
TEST(WholeGame, NoOnTheContinuePromptStartsAfreshAndKeepsTheSavedGame) {
    const std::string saved = saved_level_three();
    game_driver g;
    g.boot(1, saved);
    g.load_and_answer(true);
    g.enter_menu();
    ASSERT_TRUE(g.run_until([] { return in_state("intro", "intro"); }, 100));
    g.tap(120, 133); // "Start Game"
    ASSERT_EQ(GameSubState, phases::pre_init);
    g.frame();
    g.tap(137, 188); // "No"
    EXPECT_EQ(ContinueFlag, 0);
    ASSERT_TRUE(g.run_until([] { return in_state("gra", "5sec"); }, 200));
    EXPECT_EQ(Level, 1);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(TimeLeft, 230);
    EXPECT_EQ(read_file(g.cont()), saved);
}

// A player's own picture with two tiles alike (tiles 3 and 17 of one colour, every other tile a
// colour of its own): a tap on either counts as right for both, and nothing else changes.
TEST(WholeGame, ATapOnATwinOfTheOfferedTilePlacesItAsARightTap) {
    game_driver g;
    g.boot(1);
    SDL_Surface* pic = SDL_CreateRGBSurface(SDL_SWSURFACE, 225, 225, 24, 0xff, 0xff00, 0xff0000, 0);
    for (int t = 0; t < 25; t++) {
        int c = t == 17 ? 3 : t;
        fill_rect(pic, t % 5 * 45, t / 5 * 45, 45, 45, 20 + 50 * (c % 5), 20 + 50 * (c / 5), 128);
    }
    std::string bmp = g.dir.file("twins.bmp"), png = g.dir.file("twins.png");
    ASSERT_EQ(0, SDL_SaveBMP(pic, bmp.c_str()));
    SDL_FreeSurface(pic);
    ASSERT_EQ(0, std::system(("convert " + bmp + " " + png).c_str()));
    ASSERT_EQ(0, std::system((tool_path("tessoli-pack") + " levels --only " + g.media() + " " +
                              png + " >/dev/null")
                                 .c_str()));
    g.load_and_answer(true);
    g.enter_menu();
    ASSERT_TRUE(g.run_until([] { return in_state("intro", "intro"); }, 500));
    g.frame(10);
    g.tap(120, 133); // "Start Game"
    ASSERT_TRUE(g.run_until([] { return in_state("gra", "5sec"); }, 300));
    EXPECT_EQ(1u << 17, TileTwins[3]);
    EXPECT_EQ(1u << 3, TileTwins[17]);
    EXPECT_EQ(0u, TileTwins[4]);
    g.tap(120, 120);
    ASSERT_TRUE(g.run_until([] { return in_state("gra", "start_gry"); }, 100));

    auto tap_cell = [&](int cell) { g.tap(7 + 45 * (cell % 5) + 22, 7 + 45 * (cell / 5) + 22); };
    auto offer = [&](int tile) {
        for (int k = 0; k < 25 && TileList[TileCurrent] != tile; k++)
            offer_next_tile();
        ASSERT_EQ(tile, TileList[TileCurrent]);
    };
    auto in_pile = [](int tile) {
        for (int k = 0; k <= TileLast; k++)
            if (TileList[k] == tile)
                return true;
        return false;
    };
    // Tile 3 offered, its twin's cell 17 tapped: 17 is placed, 3 stays offered-to-come.
    offer(3);
    std::vector<int> others;
    for (int k = 0; k <= TileLast; k++)
        if (TileList[k] != 3 && TileList[k] != 17)
            others.push_back(TileList[k]);
    int current = TileCurrent;
    tap_cell(17);
    EXPECT_EQ(1, Board[17]);
    EXPECT_EQ(0, Board[3]);
    EXPECT_EQ(5, Score);
    EXPECT_EQ(23, TileLast);
    EXPECT_EQ(0, RocketMode);
    EXPECT_TRUE(in_pile(3));
    EXPECT_FALSE(in_pile(17));
    // The rest of the pile keeps its order, the offer moves on as after any right tap.
    std::vector<int> rest;
    for (int k = 0; k <= TileLast; k++)
        if (TileList[k] != 3)
            rest.push_back(TileList[k]);
    EXPECT_EQ(others, rest);
    EXPECT_EQ(current > TileLast ? TileLast : current, TileCurrent);
    // A tile with no twin still misses on any other cell.
    int lone = TileList[TileCurrent] == 3 ? (offer_next_tile(), TileList[TileCurrent])
                                          : TileList[TileCurrent];
    tap_cell(lone == 4 ? 9 : 4);
    EXPECT_NE(0, RocketMode);
    EXPECT_EQ(5, Score);
}
