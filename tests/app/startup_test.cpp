// Start-up: the media folder from the program's path and the screen configuration.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "app/startup.h"
#include "res/save_folder.h"
#include "tests/support/test_support.h"

TEST(ProgramFolder, CutsAtTheLastSeparatorOrAsksWhereTheProgramRuns) {
    EXPECT_EQ(program_folder("/a/b\\c"), "/a/b\\");
    // Started through PATH: the running program's folder, not the current directory.
    const std::string self = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(program_folder("tessoli"), self.substr(0, self.rfind('/') + 1));
}

namespace {

struct Config : ::testing::Test {
    temp_dir dir;
    void SetUp() override { MediaPath = dir.path(); }
    std::string read_with(const char* text) {
        if (text)
            write_file(dir.file("config.tll"), text);
        testing::internal::CaptureStderr();
        read_config();
        return testing::internal::GetCapturedStderr();
    }
};

} // namespace

// Missing, short or out of range, Scale and the screen fall back with one line; a number too long
// for an int is damage, and it and the numbers after it are not taken; the largest int is still an
// int, and what follows a number is read as before.
TEST_F(Config, FallsBackWithOneLineAndNumbersBeyondIntAreDamage) {
    struct row {
        const char* text;
        int scale, width, height, lines; // the lines said
    };
    const row rows[] = {
        {nullptr, 1, 240, 320, 1},
        {"0 2", 2, 480, 640, 1}, // a screen the layout fits at the Scale that was read
        {"0 0 240 320", 1, 240, 320, 1},
        {"0 2000000000 240 320", 16, 240, 320, 1},
        {"0 1 0 -5", 1, 240, 320, 1},
        {"0 99999999999999999999 480 640", 1, 240, 320, 1},
        {"0 1 4294967536 320", 1, 240, 320, 1},
        {"2147483647 2 480 640", 2, 480, 640, 0},
        {"0 2 12abc", 2, 12, 640, 1},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.text ? r.text : "missing");
        const std::string said = read_with(r.text);
        EXPECT_EQ(Scale, r.scale);
        EXPECT_EQ(ScreenWidth, r.width);
        EXPECT_EQ(ScreenHeight, r.height);
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), r.lines) << said;
    }
    EXPECT_EQ(read_with("-2147483648 1 240 320x"), "");
    EXPECT_EQ(ReservedValue, -2147483647 - 1);
}

// Where the media set and the saved game are found: --media alone, else the program's own
// media/ (saves beside it), else the installed data folder (saves in the player's data folder).
TEST(MediaFolder, OptionThenBesideThenInstalledAndOneLineWhenNone) {
    temp_dir root;
    std::string games = root.file("usr/games/");
    std::string installed = root.file("usr/share/games/tessoli/media/");
    ASSERT_EQ(std::system(("mkdir -p '" + games + "' '" + installed + "'").c_str()), 0);
    setenv("XDG_DATA_HOME", root.file("data").c_str(), 1);

    ASSERT_TRUE(find_media_folder(games, nullptr));
    EXPECT_EQ(MediaPath, games + "../share/games/tessoli/media/");
    EXPECT_EQ(SaveFolder, root.file("data/tessoli/"));

    ASSERT_EQ(std::system(("mkdir '" + games + "media'").c_str()), 0);
    ASSERT_TRUE(find_media_folder(games, nullptr));
    EXPECT_EQ(MediaPath, games + "media/");
    EXPECT_EQ(SaveFolder, MediaPath); // a build or a portable copy keeps its save beside it

    ASSERT_TRUE(find_media_folder(games, installed.substr(0, installed.size() - 1).c_str()));
    EXPECT_EQ(MediaPath, installed);
    EXPECT_EQ(SaveFolder, root.file("data/tessoli/"));

    testing::internal::CaptureStderr();
    EXPECT_FALSE(find_media_folder(games, root.file("none").c_str()));
    EXPECT_FALSE(find_media_folder(root.file("bin/"), nullptr));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 2) << said;
    unsetenv("XDG_DATA_HOME");
}

TEST(MediaFolder, PlayersDataFolderFollowsXdgThenHome) {
    EXPECT_EQ(data_home_save_folder("/x/data", "/home/p"), "/x/data/tessoli/");
    EXPECT_EQ(data_home_save_folder("/x/data/", "/home/p"), "/x/data/tessoli/");
    // A relative or empty XDG_DATA_HOME is not a folder to trust.
    EXPECT_EQ(data_home_save_folder("rel/data", "/home/p"), "/home/p/.local/share/tessoli/");
    EXPECT_EQ(data_home_save_folder("", "/home/p/"), "/home/p/.local/share/tessoli/");
    EXPECT_EQ(data_home_save_folder(nullptr, nullptr).substr(0, 1), "/"); // the account's home
}
