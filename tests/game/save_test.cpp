// cont.tll: round trips, the exact bytes, damaged and hostile files, and saves that are cut short.
#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <unistd.h>
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
    TimeLeft = 97;
    BestScore = -20;
    TileLast = 14;
    TileCurrent = 6;
    Level = 7;
    Score = -35;
    PictureNumber = 11;
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
    for (int i = 0; i < 25; i++)
        TileList[i] = ShuffleUsed[i] = Board[i] = 3;
    for (int i = 0; i < 20; i++)
        PictureUsed[i] = 3;
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

class SavedGame : public ::testing::Test {
  protected:
    void SetUp() override {
        MediaPath = dir.path();
        save_game_before_rename = nullptr;
    }
    void TearDown() override { save_game_before_rename = nullptr; }
    std::string cont() const { return dir.file("cont.tll"); }
    temp_dir dir;
};

} // namespace

TEST_F(SavedGame, SaveAndLoadRestoreEveryField) {
    game_in_progress();
    std::vector<int> saved = snapshot();
    save_game();
    scramble();
    EXPECT_TRUE(saved_game_exists());
    EXPECT_EQ(BestScore, -20);
    load_game();
    EXPECT_EQ(snapshot(), saved);
    EXPECT_FALSE(file_exists(dir.file("cont.tll.tmp")));
}

TEST_F(SavedGame, WritesOneLineOfNumbersEachFollowedByASpace) {
    TimeLeft = 17;
    BestScore = -3;
    TileLast = 24;
    TileCurrent = 3;
    Level = 2;
    Score = -40;
    PictureNumber = 4;
    for (int i = 0; i < 25; i++) {
        TileList[i] = i;
        ShuffleUsed[i] = 1;
        Board[i] = 0;
    }
    for (int i = 0; i < 20; i++)
        PictureUsed[i] = i == 4 ? 1 : 0;
    save_game();
    EXPECT_EQ(read_file(cont()),
              "17 -3 24 3 2 -40 4 "
              "0 1 0 1 1 0 2 1 0 3 1 0 4 1 0 5 1 0 6 1 0 7 1 0 8 1 0 9 1 0 10 1 0 11 1 0 12 1 0 "
              "13 1 0 14 1 0 15 1 0 16 1 0 17 1 0 18 1 0 19 1 0 20 1 0 21 1 0 22 1 0 23 1 0 "
              "24 1 0 "
              "0 0 0 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ");
}

TEST_F(SavedGame, ReadsFilesWithOtherWhiteSpace) {
    std::string text = file_with(-1, "");
    std::vector<int> expected = snapshot();
    for (char& c : text)
        if (c == ' ')
            c = '\n';
    write_file(cont(), "  \r\n" + text + "\ttrailing words are never read");
    scramble();
    ASSERT_TRUE(saved_game_exists());
    load_game();
    EXPECT_EQ(snapshot(), expected);
}

TEST_F(SavedGame, NoFileMeansNoGameAndKeepsTheBestScore) {
    BestScore = 55;
    EXPECT_FALSE(saved_game_exists());
    EXPECT_EQ(BestScore, 55);
    scramble();
    std::vector<int> before = snapshot();
    testing::internal::CaptureStderr();
    load_game();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(snapshot(), before);
}

TEST_F(SavedGame, AFinishedGameKeepsOnlyTheBestScore) {
    // Lost: the end screen writes the time as 0.
    write_file(cont(), file_with(0, "0"));
    BestScore = 0;
    EXPECT_FALSE(saved_game_exists());
    EXPECT_EQ(BestScore, -20);
    write_file(cont(), file_with(0, "-5"));
    BestScore = 0;
    EXPECT_FALSE(saved_game_exists());
    EXPECT_EQ(BestScore, -20);

    // Won: level 21 with an empty pile, as the last level leaves it.
    game_in_progress();
    TimeLeft = 0;
    Level = 21;
    TileLast = TileCurrent = -1;
    for (int i = 0; i < 25; i++)
        Board[i] = 1;
    BestScore = 640;
    save_game();
    BestScore = 0;
    EXPECT_FALSE(saved_game_exists());
    EXPECT_EQ(BestScore, 640);
}

TEST_F(SavedGame, BestScoreRisesOnlyOnAGreaterScore) {
    BestScore = 100;
    Score = 100;
    update_best_score();
    EXPECT_EQ(BestScore, 100);
    Score = 101;
    update_best_score();
    EXPECT_EQ(BestScore, 101);
    TimeLeft = 0;
    save_game();
    BestScore = 0;
    saved_game_exists();
    EXPECT_EQ(BestScore, 101);
}

// Damaged or hostile files never crash, never apply part of themselves, and offer nothing.
TEST_F(SavedGame, DamagedFilesOfferNothingAndChangeNothing) {
    struct damaged {
        const char* what;
        std::string text;
        bool best_score_read;
    };
    std::string whole = file_with(-1, "");
    std::vector<damaged> files = {
        {"empty", "", false},
        {"one number", "12 ", false},
        {"short", whole.substr(0, whole.size() / 2), true},
        {"101 numbers", whole.substr(0, whole.rfind(' ', whole.size() - 2) + 1), true},
        {"letters", "abc def", false},
        {"letters after the head", file_with(9, "x"), true},
        {"binary", std::string("\x00\xff\x80\x01", 4), false},
        {"huge time", file_with(0, "99999999999"), false},
        {"huge best score", file_with(1, "-2147483649"), false},
        {"huge score", file_with(5, "4294967296"), true},
        {"time above a level", file_with(0, "231"), true},
        {"pile too long", file_with(2, "25"), true},
        {"pile below empty", file_with(2, "-2"), true},
        {"offer past the pile", file_with(3, "15"), true},
        {"offer before the pile", file_with(3, "-1"), true},
        {"level 0", file_with(4, "0"), true},
        {"level 21", file_with(4, "21"), true},
        {"picture 20", file_with(6, "20"), true},
        {"picture -1", file_with(6, "-1"), true},
        {"tile out of range", file_with(7, "25"), true},
        {"stale tile out of range", file_with(7 + 3 * 20, "-7"), true},
        {"shuffle flag 2", file_with(8, "2"), true},
        {"board flag -1", file_with(9 + 3 * 12, "-1"), true},
        {"picture flag 5", file_with(82 + 19, "5"), true},
        {"tile both placed and listed", file_with(7, "3"), true},
        {"tile listed twice", file_with(10, "24"), true},
        {"a tile missing", file_with(9, "0"), true},
    };
    for (const damaged& d : files) {
        SCOPED_TRACE(d.what);
        write_file(cont(), d.text);
        scramble();
        BestScore = 77;
        bool exists = saved_game_exists();
        EXPECT_FALSE(exists);
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

TEST_F(SavedGame, ASaveKilledBeforeTheRenameKeepsTheOldFile) {
    game_in_progress();
    save_game();
    std::string old_file = read_file(cont());
    Score = 999;
    BestScore = 999;
    // The sound and video threads of other tests make a plain fork unsafe; run the child afresh.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    save_game_before_rename = [] { _exit(3); };
    EXPECT_EXIT(save_game(), ::testing::ExitedWithCode(3), "");
    EXPECT_EQ(read_file(cont()), old_file);
    BestScore = 0;
    EXPECT_TRUE(saved_game_exists());
    EXPECT_EQ(BestScore, -20);

    // The next save goes through over the leftover temporary file.
    save_game_before_rename = nullptr;
    save_game();
    EXPECT_NE(read_file(cont()), old_file);
    EXPECT_FALSE(file_exists(dir.file("cont.tll.tmp")));
}

TEST_F(SavedGame, ASaveThatCannotWriteKeepsTheOldFile) {
    game_in_progress();
    save_game();
    std::string old_file = read_file(cont());
    ASSERT_EQ(mkdir(dir.file("cont.tll.tmp").c_str(), 0700), 0);
    Score = 1;
    save_game();
    EXPECT_EQ(read_file(cont()), old_file);
}
