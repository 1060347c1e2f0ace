// Command-line options: argv[0] is the program's path; the rest are desktop options.
#include "app/options.h"

#include <SDL.h>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sys/resource.h>
#include <vector>

#include "app/replay.h"
#include "game/level_stats.h"
#include "platform/frame_clock.h"
#include "screens/screens.h"
#include "video/video.h"

int OptionNoAudio;
const char* OptionMedia;
const char* OptionPictures;
bool OptionReplaying;
int OptionZoom;
int OptionWindowSettings = 1;

#ifndef TESSOLI_VERSION // builds that leave it out (the fuzz build) name no version
#define TESSOLI_VERSION "unknown"
#endif

namespace {

bool Timedemo;
const char* LevelTablePath;
double StartSeconds;
double FrameStart;
double SplashSeconds = -1.0;
double AssetsStart = -1.0;
double AssetsSeconds = -1.0;
std::vector<double> FrameTimes;

double seconds_now() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void no_delay(uint32_t) {}
void no_rest(unsigned int) {}

void milestone(int which) {
    double now = seconds_now();
    if (which == 0) {
        SplashSeconds = now - StartSeconds;
    } else if (which == 1) {
        AssetsStart = now;
    } else if (which == 2 && AssetsStart >= 0.0) {
        AssetsSeconds = now - AssetsStart;
    }
}

void usage(FILE* out) {
    std::fprintf(
        out,
        "usage: tessoli [--windowed | --fullscreen | --zoom N] [--media DIR] [--pictures DIR]\n"
        "               [--record FILE | --replay FILE [--timedemo] [--levels FILE]]\n"
        "  --windowed     play in a window of the game's size (or the size it was\n"
        "                 last given), never larger than the screen leaves free\n"
        "  --fullscreen   take the whole display (the default)\n"
        "  --zoom N       play in a window N times the game's size (1 to 8), or the\n"
        "                 largest that fits the screen\n"
        "  --media DIR    play the media set in DIR (the saved game then lives in\n"
        "                 $XDG_DATA_HOME/tessoli/)\n"
        "  --pictures DIR play your own JPEG and PNG pictures from DIR (by default\n"
        "                 $XDG_DATA_HOME/tessoli/pictures/; a replay takes only DIR)\n"
        "  --record FILE  write every input event of this run to FILE\n"
        "  --replay FILE  play FILE's events instead of the player's\n"
        "  --timedemo     with --replay: as fast as possible, no sound, then print\n"
        "                 frames, time and hashes of the final state and screen\n"
        "  --levels FILE  with --replay: write the table of levels played to FILE\n"
        "  --version      print the game's version\n"
        "keys: P, Pause or Escape pause; F1 how to play; S sound off or on;\n"
        "      F11 or Alt+Enter full screen; arrows, H and M the buttons;\n"
        "      P on the menu switches between your pictures and the built-in ones\n");
}

} // namespace

int parse_options(int argc, char** argv) {
    const char* record = nullptr;
    const char* replay = nullptr;
    StartSeconds = seconds_now();
    for (int i = 1; i < argc; i++) {
        const char* a = argv[i];
        if (std::strcmp(a, "--windowed") == 0) {
            VideoWindowed = 1;
        } else if (std::strcmp(a, "--fullscreen") == 0) {
            VideoWindowed = 0;
        } else if (std::strcmp(a, "--zoom") == 0) {
            char* end = nullptr;
            long n = i + 1 < argc ? std::strtol(argv[i + 1], &end, 10) : 0;
            if (!end || *end || n < 1 || n > MaxZoom) {
                std::fprintf(stderr, "tessoli: --zoom needs a whole number from 1 to %d\n",
                             MaxZoom);
                return 2;
            }
            i++;
            OptionZoom = static_cast<int>(n);
            VideoWindowed = 1;
        } else if (std::strcmp(a, "--media") == 0) {
            // An empty name would mean the root folder; no name at all is no unknown option.
            if (i + 1 >= argc || !*argv[i + 1]) {
                std::fprintf(stderr, "tessoli: --media needs a folder\n");
                return 2;
            }
            OptionMedia = argv[++i];
        } else if (std::strcmp(a, "--pictures") == 0 && i + 1 < argc && argv[i + 1][0]) {
            OptionPictures = argv[++i];
        } else if (std::strcmp(a, "--record") == 0 && i + 1 < argc) {
            record = argv[++i];
        } else if (std::strcmp(a, "--replay") == 0 && i + 1 < argc) {
            replay = argv[++i];
        } else if (std::strcmp(a, "--levels") == 0 && i + 1 < argc) {
            LevelTablePath = argv[++i];
        } else if (std::strcmp(a, "--timedemo") == 0) {
            Timedemo = true;
        } else if (std::strcmp(a, "--version") == 0) {
            std::printf("tessoli %s\n", TESSOLI_VERSION);
            return 0;
        } else if (std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0) {
            usage(stdout);
            return 0;
        } else {
            std::fprintf(stderr, "tessoli: unknown option %s\n", a);
            usage(stderr);
            return 2;
        }
    }
    if (record && replay) {
        std::fprintf(stderr, "tessoli: --record and --replay do not go together\n");
        return 2;
    }
    if (Timedemo && !replay) {
        std::fprintf(stderr, "tessoli: --timedemo needs --replay FILE\n");
        return 2;
    }
    if (LevelTablePath && !replay) {
        std::fprintf(stderr, "tessoli: --levels needs --replay FILE\n");
        return 2;
    }
    if (record)
        record_begin(record);
    if (replay)
        replay_begin(replay);
    OptionReplaying = replay != nullptr;
    if (Timedemo) {
        VideoWindowed = 1; // a measurement never takes over the display
        OptionZoom = 0;    // and is presented at the game's own size
        OptionWindowSettings = 0;
        frame_clock_delay = no_delay;
        loading_rest = no_rest;
        LoadingHoldMs = 0;
        OptionNoAudio = 1;
        loading_milestone = milestone;
        FrameTimes.reserve(1 << 16);
    }
    return -1;
}

void options_after_frame() {
    if (!Timedemo)
        return;
    FrameTimes.push_back(seconds_now() - FrameStart);
}

void options_before_frame() {
    if (Timedemo)
        FrameStart = seconds_now();
}

bool options_stop() {
    return replay_finished();
}

bool finish_options() {
    bool written = record_finish();
    if (LevelTablePath) {
        // The write, the flush and the close each can fail (a full disk says so only at the end).
        FILE* f = std::fopen(LevelTablePath, "w");
        bool ok = f && std::fputs(level_table_text().c_str(), f) >= 0 && std::fflush(f) == 0;
        int error = errno;
        if (f && std::fclose(f) != 0 && ok) {
            ok = false;
            error = errno;
        }
        if (!ok) {
            std::fprintf(stderr, "tessoli: cannot write the table of levels to %s: %s\n",
                         LevelTablePath, std::strerror(error));
            written = false;
        }
    }
    if (!Timedemo)
        return written;
    double total = 0.0;
    for (double t : FrameTimes)
        total += t;
    std::vector<double> sorted = FrameTimes;
    std::sort(sorted.begin(), sorted.end());
    double median = sorted.empty() ? 0.0 : sorted[sorted.size() / 2];
    double worst = sorted.empty() ? 0.0 : sorted.back();
    size_t worst_frame = 0;
    for (size_t i = 0; i < FrameTimes.size(); i++)
        if (FrameTimes[i] == worst)
            worst_frame = i;
    // The whole series, for a closer look at where the time goes.
    if (const char* series = std::getenv("TESSOLI_FRAME_TIMES")) {
        if (FILE* f = std::fopen(series, "w")) {
            for (size_t i = 0; i < FrameTimes.size(); i++)
                std::fprintf(f, "%zu %.4f\n", i, FrameTimes[i] * 1000.0);
            std::fclose(f);
        }
    }
    rusage usage_now;
    getrusage(RUSAGE_SELF, &usage_now);
    std::printf(
        "timedemo: %zu frames in %.3f s, %.1f fps, median %.3f ms, worst %.3f ms (frame %zu), "
        "splash %.1f ms, assets %.1f ms, peak %ld KiB, state %016llx, screen %016llx\n",
        FrameTimes.size(), total, total > 0.0 ? FrameTimes.size() / total : 0.0, median * 1000.0,
        worst * 1000.0, worst_frame, SplashSeconds * 1000.0, AssetsSeconds * 1000.0,
        usage_now.ru_maxrss, static_cast<unsigned long long>(game_state_hash()),
        static_cast<unsigned long long>(screen_hash()));
    std::fflush(stdout);
    return written;
}
