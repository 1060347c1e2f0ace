// The command line: what --version says and that it ends the program before anything opens.
#include <gtest/gtest.h>

#include <string>

#include "app/options.h"

TEST(Options, VersionPrintsTheGamesVersionAndEnds) {
    char program[] = "tessoli";
    char version[] = "--version";
    char* argv[] = {program, version, nullptr};
    testing::internal::CaptureStdout();
    EXPECT_EQ(parse_options(2, argv), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "tessoli " PROJECT_VERSION "\n");
}
