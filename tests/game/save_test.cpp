// cont.tll: damaged and hostile files, and a save that is cut short.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/startup.h"
#include "game/game_state.h"
#include "game/save.h"
#include "platform/files.h"
#include "tests/support/test_support.h"

namespace {

// Every field the file holds, for comparing the whole state at once.
std::vector<int> snapshot() {
    std::vector<int> s = {Game.TimeLeft, Game.BestScore, Game.TileLast,     Game.TileCurrent,
                          Game.Level,    Game.Score,     Game.PictureNumber};
    for (int i = 0; i < 25; i++) {
        s.push_back(Game.TileList[i]);
        s.push_back(Game.ShuffleUsed[i]);
        s.push_back(Game.Board[i]);
    }
    s.insert(s.end(), Game.PictureUsed, Game.PictureUsed + 20);
    return s;
}

// A game in progress: cells 0..9 placed, the rest in the pile in reverse order.
void game_in_progress() {
    std::tie(Game.TimeLeft, Game.BestScore, Game.TileLast, Game.TileCurrent, Game.Level, Game.Score,
             Game.PictureNumber) = std::make_tuple(97, -20, 14, 6, 7, -35, 11);
    for (int i = 0; i < 25; i++) {
        Game.Board[i] = i < 10 ? 1 : 0;
        Game.ShuffleUsed[i] = 1;
        Game.TileList[i] = i < 15 ? 24 - i : i; // entries past TileLast keep stale values
    }
    for (int i = 0; i < 20; i++)
        Game.PictureUsed[i] = i % 3 == 0 ? 1 : 0;
}

void scramble() {
    std::fill_n(reinterpret_cast<int32_t*>(&Game), sizeof Game / sizeof(int32_t), 3);
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
        {"best score past what a game reaches", file_with(1, "10000001"), false},
        {"score past what a game reaches", file_with(5, "-10000001"), true},
    };
    // One number out of range or at odds with the others, by position: 0 time (0 once a game is
    // lost or won), 2 pile end, 3 offer, 4 level, 5 score, 6 picture, from 7 a tile, shuffle and
    // board flag per cell, 101 the last picture flag. The best score is read. A tile twice in the
    // pile (7 = 23, beside the 23 at 10) leaves one cell nowhere, and the level could never end.
    const std::pair<int, const char*> numbers[] = {
        {0, "0"},  {0, "231"}, {5, "2147483648"}, {2, "25"}, {3, "15"}, {4, "21"},
        {6, "20"}, {7, "25"},  {101, "5"},        {7, "3"},  {7, "23"}, {9, "0"}};
    for (const auto& n : numbers)
        files.push_back(
            {std::to_string(n.first) + " = " + n.second, file_with(n.first, n.second), true});
    for (const damaged& d : files) {
        SCOPED_TRACE(d.what);
        if (d.what == "no file")
            std::remove(cont().c_str());
        else
            write_file(cont(), d.text);
        Game.BestScore = -77; // the file's -20 is higher, so it counts when read
        EXPECT_FALSE(saved_game_exists());
        EXPECT_EQ(Game.BestScore, d.best_score_read ? -20 : -77);
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
    Game.Score = 999;
    save_game_before_rename = [] { at_rename = read_file(MediaPath + "cont.tll"); };
    save_game();
    EXPECT_EQ(at_rename, old_file);
    scramble();
    ASSERT_TRUE(saved_game_exists());
    load_game();
    EXPECT_EQ(Game.Score, 999);
    EXPECT_FALSE(file_exists(dir.file("cont.tll.tmp")));
}

// The player's data folder is made on the first save, private to them; a file where it should be
// is said in one line, the save fails and the file in the way is left as it was.
TEST_F(SavedGame, FirstSaveMakesTheDataFolderAndAFileInTheWayIsSaid) {
    SaveFolder = dir.file("home/.local/share/tessoli/");
    game_in_progress();
    EXPECT_TRUE(save_game());
    struct stat st;
    ASSERT_EQ(stat(SaveFolder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    ASSERT_TRUE(saved_game_exists());

    SaveFolder = dir.file("blocked/tessoli/");
    write_file(dir.file("blocked"), "mine");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(save_game());
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said.substr(0, said.find('\n') + 1), "Couldn't create the save folder " + SaveFolder +
                                                       ": " + dir.file("blocked") +
                                                       " is not a folder\n");
    EXPECT_EQ(read_file(dir.file("blocked")), "mine");

    // The file itself gets the permissions any new file of the player's gets.
    SaveFolder = dir.path();
    mode_t old_mask = umask(027);
    bool saved = save_game();
    umask(old_mask);
    ASSERT_TRUE(saved);
    ASSERT_EQ(stat(cont().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

namespace {

ssize_t disk_full(int, const void*, size_t) {
    errno = ENOSPC;
    return -1;
}

// Temporary files the save left behind in a folder.
std::vector<std::string> leftovers(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* d = opendir(folder.c_str())) {
        while (dirent* e = readdir(d))
            if (std::string(e->d_name).rfind("cont.tll.tmp-", 0) == 0)
                names.push_back(e->d_name);
        closedir(d);
    }
    return names;
}

} // namespace

// Whatever stops it (a full disk, a file the player made read-only), a save that fails says so in
// one line, keeps the old file whole, leaves no temporary file and never lowers the best score.
TEST_F(SavedGame, AFailedSaveSaysWhyAndLosesNothing) {
    game_in_progress();
    Game.BestScore = 500;
    ASSERT_TRUE(save_game());
    const std::string old_file = read_file(cont());
    for (bool full : {true, false}) {
        SCOPED_TRACE(full ? "full disk" : "read-only");
        replace_file_write = full ? disk_full : ::write;
        chmod(cont().c_str(), full ? 0600 : 0444);
        game_in_progress();
        Game.BestScore = 6956;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(save_game());
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "Couldn't save " + cont() + ": " +
                      (full ? std::strerror(ENOSPC) : "the file is read-only") + "\n");
        EXPECT_EQ(read_file(cont()), old_file);
        EXPECT_TRUE(leftovers(dir.path()).empty());
        // The file's older best score does not replace the one this run reached.
        EXPECT_TRUE(saved_game_exists());
        EXPECT_EQ(Game.BestScore, 6956);
    }
    // A game played to its end whose save failed is never offered again; the game on file was
    // left through the menu before it.
    chmod(cont().c_str(), 0600);
    Game.TimeLeft = 0;
    testing::internal::CaptureStderr();
    replace_file_write = disk_full;
    EXPECT_FALSE(save_game());
    replace_file_write = ::write;
    testing::internal::GetCapturedStderr();
    EXPECT_FALSE(saved_game_exists());
    struct stat st;
    // A FIFO or a folder where the saved game should be is left as it is.
    std::remove(cont().c_str());
    for (bool fifo : {true, false}) {
        SCOPED_TRACE(fifo ? "FIFO" : "folder");
        ASSERT_EQ(fifo ? mkfifo(cont().c_str(), 0600) : mkdir(cont().c_str(), 0700), 0);
        game_in_progress();
        testing::internal::CaptureStderr();
        EXPECT_FALSE(save_game());
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "Couldn't save " + cont() + ": not a regular file\n");
        EXPECT_TRUE(lstat(cont().c_str(), &st) == 0 &&
                    (fifo ? S_ISFIFO(st.st_mode) : S_ISDIR(st.st_mode)));
        EXPECT_TRUE(leftovers(dir.path()).empty());
        fifo ? std::remove(cont().c_str()) : rmdir(cont().c_str());
    }
}

// Names a hostile folder may hold beside the save: none of them stops it or is written through.
TEST_F(SavedGame, PlantedLinksAndForeignFilesAreNeverWrittenThrough) {
    temp_dir elsewhere;
    const std::string victim = elsewhere.file("victim");
    write_file(victim, "precious");
    ASSERT_EQ(symlink(victim.c_str(), dir.file("cont.tll.tmp").c_str()), 0);
    for (int i = 0; i < 3; i++) // names a temporary file could take
        ASSERT_EQ(
            symlink(victim.c_str(), dir.file("cont.tll.tmp-" + std::string(8, 'a' + i)).c_str()),
            0);
    ASSERT_EQ(mkdir(dir.file("cont.tll.tmp.d").c_str(), 0700), 0);
    game_in_progress();
    EXPECT_TRUE(save_game());
    EXPECT_EQ(read_file(victim), "precious");
    scramble();
    EXPECT_TRUE(saved_game_exists());
    // A linked cont.tll is replaced by the new file; what it pointed to is left alone.
    std::remove(cont().c_str());
    ASSERT_EQ(symlink(victim.c_str(), cont().c_str()), 0);
    game_in_progress();
    EXPECT_TRUE(save_game());
    EXPECT_EQ(read_file(victim), "precious");
    struct stat st;
    EXPECT_TRUE(lstat(cont().c_str(), &st) == 0 && S_ISREG(st.st_mode));
}

// A FIFO named cont.tll used to block the game before its window opened.
TEST_F(SavedGame, AFifoIsNoSavedGameAndNeverBlocks) {
    ASSERT_EQ(mkfifo(cont().c_str(), 0600), 0);
    EXPECT_EXIT(
        {
            alarm(5); // a read that blocks dies of the alarm instead of hanging the suite
            Game.BestScore = 12;
            bool exists = saved_game_exists();
            load_game();
            std::exit(!exists && Game.BestScore == 12 ? 0 : 1);
        },
        testing::ExitedWithCode(0), "Couldn't read .*cont.tll: not a regular file");
}

TEST_F(SavedGame, AnUnwritableFolderFailsTheSaveAndKeepsTheFile) {
    game_in_progress();
    ASSERT_TRUE(save_game());
    const std::string old_file = read_file(cont());
    chmod(dir.path().c_str(), 0555);
    // The child drops root, which would write anyway, and reports through its status.
    EXPECT_EXIT(
        {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                std::exit(3);
            game_in_progress();
            Game.BestScore = 6956;
            bool kept = !save_game() && read_file(cont()) == old_file &&
                        leftovers(dir.path()).empty() && Game.BestScore == 6956;
            std::exit(kept ? 0 : 1);
        },
        testing::ExitedWithCode(0), "Couldn't save .*cont.tll: Permission denied\n");
    chmod(dir.path().c_str(), 0700);
}

// Killed saves leave their temporary files; the next save removes those over a minute old, and
// nothing else: no fresh one, no other name, no link or FIFO.
TEST_F(SavedGame, OldTemporariesOfKilledSavesAreRemoved) {
    const std::vector<std::string> kept = {"cont.tll.tmp-ABCDEFGH", "cont.tll.tmp-abcdefghi",
                                           "other.tll.tmp-abcdefgh", "cont.tll.tmp-fifo1234",
                                           "cont.tll.tmp-fresh123"};
    ASSERT_EQ(mkfifo(dir.file(kept[3]).c_str(), 0600), 0);
    // Two minutes old, but for the last one kept.
    for (const std::string& name :
         {std::string("cont.tll.tmp-abcd1234"), kept[0], kept[1], kept[2], kept[3], kept[4]}) {
        if (name != kept[3])
            write_file(dir.file(name), "0 ");
        struct timespec old[2] = {{time(nullptr) - 120, 0}, {time(nullptr) - 120, 0}};
        if (name != kept[4])
            utimensat(AT_FDCWD, dir.file(name).c_str(), old, 0);
    }
    game_in_progress();
    ASSERT_TRUE(save_game());
    EXPECT_NE(access(dir.file("cont.tll.tmp-abcd1234").c_str(), F_OK), 0);
    for (const std::string& name : kept)
        EXPECT_EQ(access(dir.file(name).c_str(), F_OK), 0) << name;
}

// Two copies of the game on one folder: the second one's save waits for the first one's to end,
// then keeps the higher best score it finds on disk. Without the lock the copy that renamed last
// would write its lower best score over the first one's.
TEST_F(SavedGame, TwoCopiesSavingAtOnceKeepTheHigherBestScore) {
    game_in_progress();
    Game.BestScore = 0;
    ASSERT_TRUE(save_game());
    save_game_before_rename = [] {
        // The other copy, which has just won a game, saves while we are about to rename.
        if (fork() == 0) {
            // A copy of its own: not the lock this process inherited.
            for (int fd = 3; fd < 1024; fd++)
                close(fd);
            save_game_before_rename = nullptr;
            Game.BestScore = 6956;
            Game.TimeLeft = 0;
            _exit(save_game() ? 0 : 1);
        }
        usleep(300000);
    };
    EXPECT_TRUE(save_game());
    save_game_before_rename = nullptr;
    int status = 0;
    wait(&status);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    Game.BestScore = 0;
    EXPECT_FALSE(saved_game_exists()); // the other copy's game ended last
    EXPECT_EQ(Game.BestScore, 6956);
}
