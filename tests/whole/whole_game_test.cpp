// The whole program played through its real frame loop with real SDL events.
#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "app/state.h"
#include "game/game_state.h"
#include "game/rules.h"
#include "game/twins.h"
#include "platform/input.h"
#include "res/audio.h"
#include "screens/screens.h"
#include "tests/tools/tool_paths.h"
#include "tests/whole/game_driver.h"

// The splash goes on with Space or Return, the sound question takes Y or N. Either answer starts
// the music and every sound, "No" at volume 0.
struct SoundAnswer : ::testing::TestWithParam<std::pair<int, bool>> {}; // splash key, "Yes"

TEST_P(SoundAnswer, SetsTheVolume) {
    const auto [key, yes] = GetParam();
    game_driver g;
    g.boot(1);
    g.push_key(key);
    g.push_key(yes ? SDLK_y : SDLK_n);
    g.run_loading();
    const int volume = yes ? 128 : 0;
    EXPECT_EQ((std::vector<int>{music_off, sounds_off, music_volume, sound_volume}),
              (std::vector<int>{0, 0, volume, volume}));
}

// One boot per process: SDL does not give back everything of a video mode on a second start.
INSTANTIATE_TEST_SUITE_P(WholeGame, SoundAnswer,
                         ::testing::Values(std::make_pair(int(SDLK_SPACE), true),
                                           std::make_pair(int(SDLK_RETURN), false)));

// The splash and the sound question wait for the player's next event between polls instead of
// polling on: the waits below are where the player acts (a wait that never came would leave the
// splash to poll an empty queue for ever). A mouse move shows the question again, no sooner than
// its frame; a tap on neither answer waits for one that does, here "No", which still starts the
// music, at volume 0. (A tap on "Yes" is how every other run starts.)
TEST(WholeGame, SplashAndTheSoundQuestionWaitForThePlayerAndAQuitOnTheMenuWritesNothing) {
    static game_driver* driver;
    static int waits;
    game_driver g;
    g.boot(1);
    driver = &g;
    waits = 0;
    input_wait_for_event = [] {
        const int taps[][2] = {{100, 100}, {0, 0}, {20, 300}, {154, 138}}; // from the 3rd wait
        if (++waits == 4) {                                                // on the question
            SDL_Event e{};
            e.motion = {SDL_MOUSEMOTION, 0, 0, 20, 20, 1, 1};
            SDL_PushEvent(&e);
        } else if (waits >= 3 && waits <= 6) {
            driver->push_down(taps[waits - 3][0], taps[waits - 3][1]);
            driver->push_up(taps[waits - 3][0], taps[waits - 3][1]);
        }
    };
    loading_screen();
    EXPECT_EQ(waits, 6);
    EXPECT_EQ((std::vector<int>{music_off, sounds_off, music_volume}), (std::vector<int>{0, 0, 0}));
    // On the menu there is no level to keep: a quit leaves no file.
    g.enter_menu();
    ASSERT_TRUE(g.run_until([] { return in_state(states::intro, phases::intro); }, 100));
    g.push_quit();
    g.frame();
    EXPECT_FALSE(GameRunning);
    EXPECT_FALSE(file_exists(g.cont()));
}

// The recorded games only ever answer "Yes"; "No" must neither load the saved game nor overwrite
// it before the next save. The new game plays a player's own picture with two tiles alike (tiles 3
// and 17 of one colour, every other tile a colour of its own): a tap on either counts as right for
// both; a tile without a twin still misses.
TEST(WholeGame, ContinueNoKeepsTheSavedGameAndATapOnATwinIsRight) {
    // A saved game on level 3: the top row placed, the rest in the pile, 100 seconds left.
    const std::string saved =
        "100 50 19 2 3 77 4 5 1 1 6 1 1 7 1 1 8 1 1 9 1 1 10 1 0 11 1 0 12 1 0 "
        "13 1 0 14 1 0 15 1 0 16 1 0 17 1 0 18 1 0 19 1 0 20 1 0 21 1 0 22 1 0 "
        "23 1 0 24 1 0 0 1 0 0 1 0 0 1 0 0 1 0 0 1 0 1 1 1 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ";
    game_driver g;
    g.boot(1, saved);
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
    g.to_menu();
    g.tap(120, 133); // "Start Game"
    ASSERT_EQ(GameSubState, phases::pre_init);
    g.frame();
    g.tap(137, 188); // "No"
    EXPECT_EQ(Game.ContinueFlag, 0);
    ASSERT_TRUE(g.run_until([] { return in_state(states::gra, phases::five_sec); }, 300));
    EXPECT_EQ(Game.Level, 1);
    EXPECT_EQ(read_file(g.cont()), saved);
    EXPECT_EQ(1u << 17, Game.TileTwins[3]);
    EXPECT_EQ(1u << 3, Game.TileTwins[17]);
    EXPECT_EQ(0u, Game.TileTwins[4]);
    g.tap(120, 120);
    ASSERT_TRUE(g.run_until([] { return in_state(states::gra, phases::start_gry); }, 100));

    // Tile 3 offered, its twin's cell 17 tapped: 17 is placed, 3 stays offered-to-come.
    for (int k = 0; k < 25 && Game.TileList[Game.TileCurrent] != 3; k++)
        offer_next_tile(Game);
    ASSERT_EQ(3, Game.TileList[Game.TileCurrent]);
    g.tap_cell(17);
    EXPECT_EQ(1, Game.Board[17]);
    EXPECT_EQ(0, Game.Board[3]);
    EXPECT_EQ(5, Game.Score);
    EXPECT_EQ(0, Game.RocketMode);
    EXPECT_EQ(1,
              std::count(Game.TileList, Game.TileList + Game.TileLast + 1, 3)); // still in the pile
    EXPECT_EQ(0, std::count(Game.TileList, Game.TileList + Game.TileLast + 1, 17));
    // A tile with no twin still misses on any other cell.
    int lone = Game.TileList[Game.TileCurrent] == 3
                   ? (offer_next_tile(Game), Game.TileList[Game.TileCurrent])
                   : Game.TileList[Game.TileCurrent];
    g.tap_cell(lone == 4 ? 9 : 4);
    EXPECT_NE(0, Game.RocketMode);
    EXPECT_EQ(5, Game.Score);
}
