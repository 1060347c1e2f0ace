// cont.tll: damaged and hostile files, and a save that is cut short.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <tuple>
#include <utility>
#include <vector>

#include "app/startup.h"
#include "game/game_state.h"
#include "game/save.h"
#include "tests/support/test_support.h"

namespace {

// Every field the file holds, for comparing the whole state at once.
std::vector<int> snapshot() {
    std::vector<int> s = {TimeLeft, BestScore, TileLast, TileCurrent, Level, Score, PictureNumber};
    for (int i = 0; i < 25; i++) {
        s.push_back(TileList[i]);
        s.push_back(ShuffleUsed[i]);
        s.push_back(Board[i]);
    }
    s.insert(s.end(), PictureUsed, PictureUsed + 20);
    return s;
}

// A game in progress: cells 0..9 placed, the rest in the pile in reverse order.
void game_in_progress() {
    std::tie(TimeLeft, BestScore, TileLast, TileCurrent, Level, Score, PictureNumber) =
        std::make_tuple(97, -20, 14, 6, 7, -35, 11);
    for (int i = 0; i < 25; i++) {
        Board[i] = i < 10 ? 1 : 0;
        ShuffleUsed[i] = 1;
        TileList[i] = i < 15 ? 24 - i : i; // entries past TileLast keep stale values
    }
    for (int i = 0; i < 20; i++)
        PictureUsed[i] = i % 3 == 0 ? 1 : 0;
}

void scramble() {
    TimeLeft = BestScore = TileLast = TileCurrent = Level = Score = PictureNumber = 3;
    for (int* a : {TileList, ShuffleUsed, Board})
        std::fill(a, a + 25, 3);
    std::fill(PictureUsed, PictureUsed + 20, 3);
}

// The numbers of a saved game as text, one change applied by position (0-based).
std::string file_with(int position, const std::string& value) {
    game_in_progress();
    std::vector<int> s = snapshot();
    std::string text;
    for (size_t i = 0; i < s.size(); i++)
        text += (static_cast<int>(i) == position ? value : std::to_string(s[i])) + " ";
    return text;
}

// cont.tll as it stood when the new save was about to take its place.
std::string at_rename;

class SavedGame : public ::testing::Test {
  protected:
    void SetUp() override {
        MediaPath = dir.path();
        SaveFolder = dir.path();
    }
    void TearDown() override { save_game_before_rename = nullptr; }
    std::string cont() const { return dir.file("cont.tll"); }
    temp_dir dir;
};

} // namespace

// Missing, damaged, hostile or finished games never crash, never apply part of themselves, and
// offer nothing.
TEST_F(SavedGame, DamagedOrFinishedFilesOfferNothingAndChangeNothing) {
    struct damaged {
        std::string what, text;
        bool best_score_read;
    };
    // Each row is one change from a file that offers its game.
    std::string whole = file_with(-1, "");
    write_file(cont(), whole);
    ASSERT_TRUE(saved_game_exists());
    std::vector<damaged> files = {
        {"no file", "", false},
        {"one number", "12 ", false},
        {"101 numbers", whole.substr(0, whole.rfind(' ', whole.size() - 2) + 1), true},
        {"letters after the head", file_with(9, "x"), true},
        {"best score below 32 bits", file_with(1, "-2147483649"), false},
    };
    // One number out of range or at odds with the others, by position: 0 time (0 once a game is
    // lost or won), 2 pile end, 3 offer, 4 level, 5 score, 6 picture, from 7 a tile, shuffle and
    // board flag per cell, 101 the last picture flag. The best score is read.
    const std::pair<int, const char*> numbers[] = {
        {0, "0"},  {0, "231"}, {5, "2147483648"}, {2, "25"}, {3, "15"}, {4, "21"},
        {6, "20"}, {7, "25"},  {101, "5"},        {7, "3"},  {9, "0"}};
    for (const auto& n : numbers)
        files.push_back(
            {std::to_string(n.first) + " = " + n.second, file_with(n.first, n.second), true});
    for (const damaged& d : files) {
        SCOPED_TRACE(d.what);
        if (d.what == "no file")
            std::remove(cont().c_str());
        else
            write_file(cont(), d.text);
        BestScore = 77;
        EXPECT_FALSE(saved_game_exists());
        EXPECT_EQ(BestScore, d.best_score_read ? -20 : 77);
        scramble();
        std::vector<int> before = snapshot();
        testing::internal::CaptureStderr();
        load_game();
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "No saved game to continue in " + cont() + "\n");
        EXPECT_EQ(snapshot(), before);
    }
}

// Until the rename the old file is whole, so a save killed at any point before it loses nothing.
TEST_F(SavedGame, TheOldFileStaysWholeUntilTheNewOneIsComplete) {
    game_in_progress();
    save_game();
    std::string old_file = read_file(cont());
    Score = 999;
    save_game_before_rename = [] { at_rename = read_file(MediaPath + "cont.tll"); };
    save_game();
    EXPECT_EQ(at_rename, old_file);
    scramble();
    ASSERT_TRUE(saved_game_exists());
    load_game();
    EXPECT_EQ(Score, 999);
    EXPECT_FALSE(file_exists(dir.file("cont.tll.tmp")));
}

// The player's data folder is made on the first save, private to them; a file where it should be
// is said in one line, the save fails and the file in the way is left as it was.
TEST_F(SavedGame, FirstSaveMakesTheDataFolderAndAFileInTheWayIsSaid) {
    SaveFolder = dir.file("home/.local/share/tessoli/");
    game_in_progress();
    save_game();
    struct stat st;
    ASSERT_EQ(stat(SaveFolder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    ASSERT_TRUE(saved_game_exists());

    SaveFolder = dir.file("blocked/tessoli/");
    write_file(dir.file("blocked"), "mine");
    testing::internal::CaptureStderr();
    save_game();
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said.substr(0, said.find('\n') + 1), "Couldn't create the save folder " + SaveFolder +
                                                       ": " + dir.file("blocked") +
                                                       " is not a folder\n");
    EXPECT_EQ(read_file(dir.file("blocked")), "mine");
}
