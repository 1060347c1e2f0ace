// The whole program played through its real frame loop with real SDL events.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "app/globals.h"
#include "app/input.h"
#include "app/startup.h"
#include "app/state.h"
#include "game/game_state.h"
#include "res/audio.h"
#include "screens/screens.h"
#include "tests/whole/game_driver.h"
#include "video/video.h"

namespace {

std::vector<long> numbers_in(const std::string& text) {
    std::vector<long> out;
    std::istringstream in(text);
    long n;
    while (in >> n)
        out.push_back(n);
    return out;
}

// A saved game on level 3: the top row placed, the rest in the pile, 100 seconds left.
std::string saved_level_three() {
    std::ostringstream f;
    f << "100 50 19 2 3 77 4 ";
    for (int i = 0; i < 25; i++) {
        int list = i < 20 ? i + 5 : 0;
        int placed = i < 5 ? 1 : 0;
        f << list << " 1 " << placed << " ";
    }
    for (int p = 0; p < 20; p++)
        f << (p <= 4 && p != 3 ? 1 : 0) << " ";
    return f.str();
}

bool in_state(const char* state, const char* sub) {
    return GameState == state && GameSubState == sub;
}

void reach_menu(game_driver& g, const std::string& cont = std::string()) {
    g.boot(1, cont);
    g.load_and_answer(true);
    g.enter_menu();
    ASSERT_TRUE(g.run_until([] { return in_state("intro", "intro"); }, 100));
}

void start_game(game_driver& g) {
    g.tap(120, 133); // "Start Game", centred at y 120
    ASSERT_EQ(GameState, "init_gra");
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

TEST(WholeGame, TheMenuFadesInOverTheIntroPictureAndExitEndsTheProgram) {
    game_driver g;
    g.boot(1);
    g.load_and_answer(true);
    // Every asset is in place.
    EXPECT_GT(SmallFont.glyph_count, 40);
    EXPECT_EQ((std::vector<float>{RocketSprite1.frame_w, RocketSprite1.frame_h,
                                  RocketSprite2.frame_w, RocketSprite2.frame_h}),
              (std::vector<float>{25, 13, 13, 25}));
    g.enter_menu();
    g.frame();
    EXPECT_TRUE(in_state("intro", "przejscie obrazek"));
    // One second of cross-fade (26 painted frames), then the menu itself.
    g.frame(26);
    EXPECT_TRUE(in_state("intro", "intro"));
    g.frame();
    // Away from the texts the screen shows the intro picture.
    rgb shown = pixel_at(screen, 5, 5), picture = pixel_at(IntroPicture.surface, 5, 5);
    EXPECT_EQ((std::vector<int>{shown.r, shown.g, shown.b}),
              (std::vector<int>{picture.r, picture.g, picture.b}));
    g.tap(120, 173); // "Exit Game", 40 below "Start Game"
    EXPECT_EQ(GameRunning, 0);
}

// "Yes" resumes the saved level; "No" starts afresh and leaves the file alone until the next save.
struct ContinuePrompt : ::testing::TestWithParam<int> {}; // 1: "Yes"

TEST_P(ContinuePrompt, ResumesOrStartsAfresh) {
    int yes = GetParam();
    game_driver g;
    reach_menu(g, saved_level_three());
    EXPECT_EQ(BestScore, 50);
    start_game(g);
    EXPECT_EQ(GameSubState, "pre_init");
    g.frame();
    g.tap(yes ? 95 : 137, 188);
    EXPECT_EQ(ContinueFlag, yes);
    ASSERT_TRUE(g.run_until([] { return in_state("gra", "5sec"); }, 200));
    if (yes) {
        EXPECT_EQ((std::vector<int>{Level, Score, TimeLeft, PictureNumber, TileLast, TileCurrent}),
                  (std::vector<int>{3, 77, 100, 4, 19, 2}));
        for (int cell = 0; cell < 25; cell++)
            EXPECT_EQ(Board[cell], cell < 5 ? 1 : 0) << "cell " << cell;
    } else {
        EXPECT_EQ((std::vector<int>{Level, Score, TimeLeft}), (std::vector<int>{1, 0, 230}));
        EXPECT_EQ(numbers_in(read_file(g.cont()))[0], 100);
    }
}

INSTANTIATE_TEST_SUITE_P(WholeGame, ContinuePrompt, ::testing::Values(1, 0));

// Twenty levels, each on its own picture and scoring 5 a tile plus the seconds left, end on the
// win screen, which saves the time as 0 and the best score; starting again then asks nothing.
TEST(WholeGame, TwentyLevelsEndOnGoodWorkWithTheBestScore) {
    game_driver g;
    reach_menu(g);
    start_game(g);
    // The press chose "init"; the release's frame already began the fade to the board.
    EXPECT_EQ(GameSubState, "przejscie obrazek");
    std::vector<int> seen(20, 0);
    for (int level = 1; level <= 20; level++) {
        ASSERT_TRUE(g.run_until([] { return in_state("gra", "5sec"); }, 200));
        g.tap(120, 120); // a press ends the five-second look at once
        ASSERT_TRUE(g.run_until([] { return in_state("gra", "start_gry"); }, 100));
        ASSERT_EQ(Level, level);
        seen[PictureNumber]++;
        int score = Score;
        place_every_tile(g);
        if (level < 20) {
            EXPECT_EQ(Score, score + 125 + TimeLeft);
            g.frame(10); // the good-work picture waits for a tap
            ASSERT_TRUE(in_state("gra", "nextlevel"));
            g.tap(120, 160);
        }
    }
    for (int p = 0; p < 20; p++)
        EXPECT_EQ(seen[p], 1) << "picture " << p;
    ASSERT_EQ(GameState, "init_koniec_gry");
    int final_score = Score;
    // The end screen: fade, a pause of 101 frames, then the menu fades in.
    ASSERT_TRUE(g.run_until([] { return in_state("intro", "intro"); }, 400));
    std::vector<long> saved = numbers_in(read_file(g.cont()));
    ASSERT_EQ(saved.size(), 102u);
    EXPECT_EQ(std::make_pair(saved[0], saved[1]), std::make_pair(0L, long(final_score)));
    EXPECT_EQ(BestScore, final_score);
    start_game(g);
    EXPECT_EQ(GameSubState, "przejscie obrazek");
    EXPECT_EQ(ContinueFlag, 0);
}
