// Fuzz target: config.tll, the screen configuration read at start-up.
#include <string>

#include "app/startup.h"
#include "fuzz_support.h"

int fuzz_config(const uint8_t* data, size_t size) {
    const std::string& folder = fuzz_folder();
    MediaPath = folder;
    fuzz_write(folder + "config.tll", data, size);
    Scale = ScreenWidth = ScreenHeight = ReservedValue = -7;
    read_config();
    // Whatever the file holds, the layout gets a Scale it can multiply by and a real screen.
    FUZZ_CHECK(Scale >= 1 && Scale <= 16);
    FUZZ_CHECK(ScreenWidth >= 1 && ScreenHeight >= 1);
    FUZZ_CHECK(DataFilePath == folder + "config.tll");
    return 0;
}
