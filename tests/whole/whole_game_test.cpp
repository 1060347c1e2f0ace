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

struct WholeGame : ::testing::Test {
    game_driver g;

    void start_and_reach_menu(const std::string& cont = std::string()) {
        g.boot(1, cont);
        g.load_and_answer(true);
        g.enter_menu();
        ASSERT_TRUE(g.run_until([] { return in_state("intro", "intro"); }, 100));
    }
    void start_game() {
        g.tap(120, 133); // "Start Game", centred at y 120
        ASSERT_EQ(GameState, "init_gra");
    }
    void reach_play() {
        ASSERT_TRUE(g.run_until([] { return GameState == "gra" && GameSubState == "5sec"; }, 200));
        g.tap(120, 120); // a press ends the five-second look at once
        ASSERT_TRUE(g.run_until([] { return in_state("gra", "start_gry"); }, 100));
    }
};

} // namespace

TEST_F(WholeGame, SplashQueuedTapAndTheSoundQuestion) {
    g.boot(1);
    g.push_down(100, 100); // ends the splash
    g.push_up(100, 100);
    g.push_down(20, 300); // queued during loading; lies on neither answer
    g.push_up(20, 300);
    g.push_down(154, 138); // "No"
    g.push_up(154, 138);
    loading_screen();
    EXPECT_EQ(music_off, 0);
    EXPECT_EQ(sounds_off, 0);
    EXPECT_EQ(music_volume, 0);
    EXPECT_EQ(sound_volume, 0);
    // Every asset is in place.
    EXPECT_NE(IntroPicture.surface, nullptr);
    EXPECT_NE(GameBackground.surface, nullptr);
    EXPECT_GT(SmallFont.glyph_count, 40);
    EXPECT_EQ(RocketSprite1.frame_w, 25.0f);
    EXPECT_EQ(RocketSprite1.frame_h, 13.0f);
    EXPECT_EQ(RocketSprite2.frame_w, 13.0f);
    EXPECT_EQ(RocketSprite2.frame_h, 25.0f);
}

TEST_F(WholeGame, YesTurnsTheSoundUpAndTheMenuFadesIn) {
    g.boot(1);
    g.load_and_answer(true);
    EXPECT_EQ(music_volume, 128);
    EXPECT_EQ(sound_volume, 128);
    g.enter_menu();
    g.frame();
    EXPECT_TRUE(in_state("intro", "przejscie obrazek"));
    // One second of cross-fade (26 painted frames), then the menu itself.
    g.frame(26);
    EXPECT_TRUE(in_state("intro", "intro"));
    g.frame();
    // Away from the texts the screen shows the intro picture.
    rgb shown = pixel_at(screen, 5, 5);
    rgb picture = pixel_at(IntroPicture.surface, 5, 5);
    EXPECT_EQ(shown.r, picture.r);
    EXPECT_EQ(shown.g, picture.g);
    EXPECT_EQ(shown.b, picture.b);
}

TEST_F(WholeGame, StartGameWithoutASavedGameStartsLevelOne) {
    start_and_reach_menu();
    start_game();
    // The press chose "init"; the release's frame already began the fade to the board.
    EXPECT_EQ(GameSubState, "przejscie obrazek");
    EXPECT_EQ(ContinueFlag, 0);
    reach_play();
    EXPECT_EQ(Level, 1);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(TimeLeft, 230);
    EXPECT_EQ(TileLast, 24);
}

TEST_F(WholeGame, ContinueYesResumesTheSavedLevel) {
    start_and_reach_menu(saved_level_three());
    EXPECT_EQ(BestScore, 50);
    start_game();
    EXPECT_EQ(GameSubState, "pre_init");
    g.frame();
    g.tap(95, 188); // "Yes"
    EXPECT_EQ(ContinueFlag, 1);
    reach_play();
    EXPECT_EQ(Level, 3);
    EXPECT_EQ(Score, 77);
    EXPECT_EQ(TimeLeft, 100);
    EXPECT_EQ(PictureNumber, 4);
    EXPECT_EQ(TileLast, 19);
    EXPECT_EQ(TileCurrent, 2);
    for (int cell = 0; cell < 25; cell++)
        EXPECT_EQ(Board[cell], cell < 5 ? 1 : 0) << "cell " << cell;
}

TEST_F(WholeGame, ContinueNoStartsAfresh) {
    start_and_reach_menu(saved_level_three());
    start_game();
    g.frame();
    g.tap(137, 188); // "No"
    EXPECT_EQ(ContinueFlag, 0);
    reach_play();
    EXPECT_EQ(Level, 1);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(TimeLeft, 230);
    // The saved game stays in the file until the next save.
    EXPECT_EQ(numbers_in(read_file(g.cont()))[0], 100);
}

TEST_F(WholeGame, ALevelWonByTappingTheRightCells) {
    start_and_reach_menu();
    start_game();
    reach_play();
    place_every_tile(g);
    ASSERT_TRUE(in_state("gra", "nextlevel"));
    EXPECT_EQ(Level, 2);
    EXPECT_EQ(Score, 125 + TimeLeft);
    int first_picture = PictureNumber;
    g.frame(10); // the good-work picture waits
    EXPECT_TRUE(in_state("gra", "nextlevel"));
    g.tap(120, 160);
    EXPECT_EQ(GameSubState, "przejscie obrazek");
    EXPECT_NE(PictureNumber, first_picture);
    EXPECT_EQ(TimeLeft, 230);
}

TEST_F(WholeGame, TwentyLevelsEndOnGoodWorkWithTheBestScore) {
    start_and_reach_menu();
    start_game();
    std::vector<int> seen(20, 0);
    for (int level = 1; level <= 20; level++) {
        reach_play();
        ASSERT_EQ(Level, level);
        seen[PictureNumber]++;
        place_every_tile(g);
        if (level < 20) {
            ASSERT_TRUE(in_state("gra", "nextlevel"));
            g.tap(120, 160);
        }
    }
    for (int p = 0; p < 20; p++)
        EXPECT_EQ(seen[p], 1) << "picture " << p;
    ASSERT_EQ(GameState, "init_koniec_gry");
    int final_score = Score;
    EXPECT_GT(final_score, 20 * 125);
    // The end screen: fade, a pause of 101 frames, then the menu fades in.
    ASSERT_TRUE(g.run_until([] { return in_state("intro", "intro"); }, 400));
    std::vector<long> saved = numbers_in(read_file(g.cont()));
    ASSERT_EQ(saved.size(), 102u);
    EXPECT_EQ(saved[0], 0);
    EXPECT_EQ(saved[1], final_score);
    EXPECT_EQ(BestScore, final_score);
    // Starting again asks nothing: the saved time is 0.
    start_game();
    EXPECT_EQ(GameSubState, "przejscie obrazek");
    EXPECT_EQ(ContinueFlag, 0);
}

TEST_F(WholeGame, HintsUntilTheTimeRunsOutLoseTheGame) {
    start_and_reach_menu();
    start_game();
    reach_play();
    int hints = 0;
    while (GameState == "gra" && hints < 40) {
        g.tap(25, 252); // the hint button
        hints++;
    }
    EXPECT_EQ(hints, 33); // 230 seconds, 7 a hint, a few frames of clock
    ASSERT_EQ(GameState, "init_game_over");
    ASSERT_TRUE(g.run_until([] { return in_state("intro", "intro"); }, 400));
    std::vector<long> saved = numbers_in(read_file(g.cont()));
    ASSERT_EQ(saved.size(), 102u);
    EXPECT_EQ(saved[0], 0);
    EXPECT_EQ(saved[5], -330); // the score the file keeps: 33 hints
    EXPECT_EQ(BestScore, 0);   // a lower score never replaces the best
}

TEST_F(WholeGame, MenuButtonSavesAndTheGameContinues) {
    start_and_reach_menu();
    start_game();
    reach_play();
    g.tap(72, 270); // previous tile
    int offered = TileList[TileCurrent];
    g.tap(213, 252); // the menu button
    ASSERT_TRUE(g.run_until([] { return in_state("intro", "intro"); }, 100));
    std::vector<long> saved = numbers_in(read_file(g.cont()));
    ASSERT_EQ(saved.size(), 102u);
    EXPECT_GT(saved[0], 220);
    start_game();
    EXPECT_EQ(GameSubState, "pre_init");
    g.frame();
    g.tap(95, 188); // "Yes"
    reach_play();
    EXPECT_EQ(TileList[TileCurrent], offered);
    EXPECT_EQ(TimeLeft, saved[0]);
}

TEST_F(WholeGame, ExitGameEndsTheProgram) {
    start_and_reach_menu();
    g.tap(120, 173); // "Exit Game", 40 below "Start Game"
    EXPECT_EQ(GameRunning, 0);
}
