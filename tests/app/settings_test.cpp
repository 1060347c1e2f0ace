// The settings file: its one line read back, and every kind of damage ignored with one line.
#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

#include "app/settings.h"
#include "tests/support/test_support.h"

namespace {

// What read_settings says on stderr, and whether it filled the setting.
std::string read_said(const std::string& path, window_setting& out, bool& filled) {
    testing::internal::CaptureStderr();
    filled = read_settings(path, out);
    return testing::internal::GetCapturedStderr();
}

int lines(const std::string& s) {
    return static_cast<int>(std::count(s.begin(), s.end(), '\n'));
}

} // namespace

TEST(SettingsFile, TheWrittenSizeIsReadBackAndLivesInTheConfigFolder) {
    EXPECT_EQ(settings_path("/x/cfg", "/home/p"), "/x/cfg/tessoli/settings");
    EXPECT_EQ(settings_path("relative", "/home/p"), "/home/p/.config/tessoli/settings");
    temp_dir d;
    std::string path = d.file("config/tessoli/settings"); // folders made on the first write
    ASSERT_TRUE(write_settings(path, {730, 975}));
    window_setting got;
    bool filled = false;
    EXPECT_EQ("", read_said(path, got, filled));
    EXPECT_TRUE(filled);
    EXPECT_EQ(730, got.w);
    EXPECT_EQ(975, got.h);
    // The writer keeps to what its reader takes: no size the next run would refuse.
    for (window_setting refused : {window_setting{1, 1}, window_setting{8192, 8192}}) {
        EXPECT_FALSE(write_settings(path, refused));
        EXPECT_EQ("", read_said(path, got, filled));
        EXPECT_EQ(730, got.w);
    }
    // A first run has no file and says nothing.
    EXPECT_EQ("", read_said(d.file("none"), got, filled));
    EXPECT_FALSE(filled);
}

TEST(SettingsFile, DamagedEmptyOrUnreadableIsIgnoredWithOneLine) {
    temp_dir d;
    const std::string damaged[] = {"",
                                   "\x01\xff\xfe garbage\n",
                                   "window 730\n",
                                   "window 730 975 12\n",
                                   "window 10 975\n",
                                   "window 16384 16384\n",
                                   "window 730 975\nwindow 800 900\n",
                                   "# only a comment\n",
                                   "# " + std::string(5000, 'x') + "\nwindow 730 975\n"};
    for (const std::string& text : damaged) {
        SCOPED_TRACE(text);
        write_file(d.file("settings"), text);
        window_setting got{1, 2};
        bool filled = true;
        std::string said = read_said(d.file("settings"), got, filled);
        EXPECT_FALSE(filled);
        EXPECT_EQ(1, got.w); // left as it was
        EXPECT_EQ(1, lines(said));
        EXPECT_NE(std::string::npos, said.find("Ignoring the settings in " + d.file("settings")));
    }
    mkdir(d.file("folder").c_str(), 0700);
    write_file(d.file("locked"), "window 730 975\n");
    chmod(d.file("locked").c_str(), 0);
    for (const char* name : {"folder", "locked"}) {
        SCOPED_TRACE(name);
        if (std::string(name) == "locked" && geteuid() == 0)
            continue; // root reads it anyway
        window_setting got;
        bool filled = true;
        std::string said = read_said(d.file(name), got, filled);
        EXPECT_FALSE(filled);
        EXPECT_EQ(1, lines(said)) << said;
    }
}

TEST(SettingsFile, AWriteThatCannotHappenSaysSoAndLeavesNoFile) {
    temp_dir d;
    write_file(d.file("blocker"), "a file where the folder would go");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(write_settings(d.file("blocker/tessoli/settings"), {730, 975}));
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(1, lines(said)) << said;
    EXPECT_EQ("a file where the folder would go", read_file(d.file("blocker")));
}
