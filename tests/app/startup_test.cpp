// Start-up: the media folder from the program's path and the screen configuration.
#include <gtest/gtest.h>

#include <unistd.h>

#include "app/startup.h"
#include "tests/support/test_support.h"

TEST(ProgramFolder, CutsAtTheLastSeparatorOrAsksWhereTheProgramRuns) {
    EXPECT_EQ(program_folder("/a/b\\c"), "/a/b\\");
    // Started through PATH: the running program's folder, not the current directory.
    char exe[4096];
    ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    ASSERT_GT(n, 0);
    exe[n] = '\0';
    std::string self(exe);
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

TEST_F(Config, MissingOrShortFileFallsBackWithOneLine) {
    EXPECT_EQ(read_with(nullptr),
              "Couldn't read " + dir.path() + "config.tll: using Scale 1 at 240x320\n");
    EXPECT_EQ(Scale, 1);
    EXPECT_EQ(ScreenWidth, 240);
    EXPECT_EQ(ScreenHeight, 320);

    EXPECT_EQ(read_with("0 2"),
              dir.path() +
                  "config.tll holds 2 of its 4 numbers: the rest take Scale 1 at 240x320\n");
    EXPECT_EQ(Scale, 2);
    EXPECT_EQ(ScreenWidth, 480); // a screen the layout fits at the Scale that was read
    EXPECT_EQ(ScreenHeight, 640);
}

TEST_F(Config, ScaleAndScreenOutOfRange) {
    EXPECT_EQ(read_with("0 0 240 320"), dir.path() + "config.tll: Scale 0 is below 1, using 1\n");
    EXPECT_EQ(Scale, 1);
    read_with("0 2000000000 240 320");
    EXPECT_EQ(Scale, 16);
    EXPECT_EQ(read_with("0 1 0 -5"),
              dir.path() + "config.tll: screen 0x-5 is not a size, using 240x320\n");
    EXPECT_EQ(ScreenWidth, 240);
    EXPECT_EQ(ScreenHeight, 320);
}
