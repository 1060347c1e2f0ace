// The whole program played through its real frame loop with real SDL events.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "app/globals.h"
#include "app/state.h"
#include "game/game_state.h"
#include "res/audio.h"
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
    return GameState == state && GameSubState == sub;
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
    ASSERT_EQ(GameSubState, "pre_init");
    g.frame();
    g.tap(137, 188); // "No"
    EXPECT_EQ(ContinueFlag, 0);
    ASSERT_TRUE(g.run_until([] { return in_state("gra", "5sec"); }, 200));
    EXPECT_EQ(Level, 1);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(TimeLeft, 230);
    EXPECT_EQ(read_file(g.cont()), saved);
}
