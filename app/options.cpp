// Command-line options: argv[0] is the program's path; the rest are desktop options.
#include "app/options.h"

#include <cstdio>
#include <cstring>

#include "video/video.h"

static void usage(FILE* out) {
    std::fprintf(out, "usage: tessoli [--windowed] [--fullscreen]\n"
                      "  --windowed    play in a window of the screen's size\n"
                      "  --fullscreen  take the whole display (the default)\n");
}

int parse_options(int argc, char** argv) {
    for (int i = 1; i < argc; i++) {
        const char* a = argv[i];
        if (std::strcmp(a, "--windowed") == 0) {
            VideoWindowed = 1;
        } else if (std::strcmp(a, "--fullscreen") == 0) {
            VideoWindowed = 0;
        } else if (std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0) {
            usage(stdout);
            return 0;
        } else {
            std::fprintf(stderr, "tessoli: unknown option %s\n", a);
            usage(stderr);
            return 2;
        }
    }
    return -1;
}

void finish_options() {}
