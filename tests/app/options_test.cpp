// The command line: what --version says, --zoom, and that they end or start the program as they
// should.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/options.h"
#include "video/video.h"

namespace {

// parse_options over these arguments, with what it said on stderr.
int parse(std::vector<std::string> args, std::string* said = nullptr) {
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(&a[0]);
    argv.push_back(nullptr);
    testing::internal::CaptureStderr();
    int status = parse_options(static_cast<int>(args.size()), argv.data());
    std::string err = testing::internal::GetCapturedStderr();
    if (said)
        *said = err;
    return status;
}

} // namespace

TEST(Options, VersionPrintsTheGamesVersionAndEnds) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(parse({"tessoli", "--version"}), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "tessoli " PROJECT_VERSION "\n");
}

// --zoom takes a whole number from 1 to 8 and means a window; anything else is a usage error.
// --media names a folder: none, or an empty name (which would mean the root), is a usage error.
TEST(Options, ZoomTakesAWholeNumberAndMeansAWindowAndMediaNeedsAFolder) {
    OptionZoom = 0;
    VideoWindowed = 0;
    EXPECT_EQ(parse({"tessoli", "--zoom", "3"}), -1);
    EXPECT_EQ(OptionZoom, 3);
    EXPECT_EQ(VideoWindowed, 1);
    for (const char* bad : {"0", "9", "2x", "", "-1"})
        EXPECT_EQ(parse({"tessoli", "--zoom", bad}), 2) << bad;
    EXPECT_EQ(parse({"tessoli", "--zoom"}), 2);
    std::string said;
    EXPECT_EQ(parse({"tessoli", "--media"}, &said), 2);
    EXPECT_EQ(said, "tessoli: --media needs a folder\n");
    EXPECT_EQ(parse({"tessoli", "--media", ""}), 2);
}
