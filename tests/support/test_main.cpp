// The test programs' main: headless SDL drivers and the build's folders, then every test.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // Tests never open a real window or sound device; the few that listen to the output choose
    // the disk driver themselves.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("TESSOLI_BUILD_DIR", TESSOLI_BUILD_DIR_DEFAULT, 0);
    setenv("TESSOLI_SOURCE_DIR", TESSOLI_SOURCE_DIR_DEFAULT, 0);
    setenv("TESSOLI_MEDIA_ROOT", TESSOLI_MEDIA_ROOT_DEFAULT, 0);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
