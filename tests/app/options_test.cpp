// The command line: what --version says, --zoom, and that they end or start the program as they
// should.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/options.h"
#include "video/video.h"

TEST(Options, VersionPrintsTheGamesVersionAndEnds) {
    char program[] = "tessoli";
    char version[] = "--version";
    char* argv[] = {program, version, nullptr};
    testing::internal::CaptureStdout();
    EXPECT_EQ(parse_options(2, argv), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "tessoli " PROJECT_VERSION "\n");
}

// --zoom takes a whole number from 1 to 8 and means a window; anything else is a usage error.
TEST(Options, ZoomTakesAWholeNumberAndMeansAWindow) {
    auto parse = [](std::vector<std::string> args) {
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(&a[0]);
        argv.push_back(nullptr);
        OptionZoom = 0;
        VideoWindowed = 0;
        testing::internal::CaptureStderr();
        int status = parse_options(static_cast<int>(args.size()), argv.data());
        testing::internal::GetCapturedStderr();
        return status;
    };
    EXPECT_EQ(parse({"tessoli", "--zoom", "3"}), -1);
    EXPECT_EQ(OptionZoom, 3);
    EXPECT_EQ(VideoWindowed, 1);
    for (const char* bad : {"0", "9", "2x", "", "-1"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(parse({"tessoli", "--zoom", bad}), 2);
    }
    EXPECT_EQ(parse({"tessoli", "--zoom"}), 2);
}

// --media names a folder: none, or an empty name (which would mean the root), is a usage error.
TEST(Options, MediaNeedsAFolder) {
    for (std::vector<std::string> args :
         {std::vector<std::string>{"tessoli", "--media"}, {"tessoli", "--media", ""}}) {
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(&a[0]);
        testing::internal::CaptureStderr();
        EXPECT_EQ(parse_options(static_cast<int>(args.size()), argv.data()), 2);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "tessoli: --media needs a folder\n");
    }
}
