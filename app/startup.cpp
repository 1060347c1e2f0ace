// Start-up: media folder, config.tll, video, the sound device and joystick, random seed, clock.
#include "app/startup.h"

#include <SDL.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "app/options.h"
#include "app/settings.h"
#include "platform/files.h"
#include "platform/window.h"
#include "platform/host.h"
#include "platform/random.h"
#include "game/states.h"
#include "game/pictures.h"
#include "platform/drop.h"
#include "platform/frame_clock.h"
#include "platform/hss.h"
#include "platform/input.h"
#include "platform/numbers.h"
#include "res/audio.h"
#include "res/player_pictures.h"
#include "res/save_folder.h"
#include "video/video.h"

int ReservedValue;
int ScreenWidth;
int ScreenHeight;

static SDL_Joystick* Joystick;

void open_services() {
    if (!OptionNoAudio)
        speaker.open(22050, 16, true, 1, 16);
    // Joystick 0 is opened and kept; its events would reach the game through the input queue,
    // which reads none of them. A browser counts empty gamepad slots as joysticks: one without a
    // name is not there.
    if (SDL_NumJoysticks() > 0 && SDL_JoystickName(0)) {
        Joystick = SDL_JoystickOpen(0);
        if (!Joystick)
            std::fprintf(stderr, "Couldn't open joystick 0: %s\n", SDL_GetError());
    }
}

static std::string::size_type last_separator(const std::string& path) {
    return path.find_last_of("/\\");
}

std::string program_folder(const std::string& program_path) {
    std::string::size_type cut = last_separator(program_path);
    if (cut != std::string::npos)
        return program_path.substr(0, cut + 1);
    // Started through PATH: argv[0] names no folder, so ask the system where we run from
    // rather than trusting the current directory.
    char exe[4096];
    ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n > 0) {
        exe[n] = '\0';
        std::string self(exe);
        cut = last_separator(self);
        if (cut != std::string::npos)
            return self.substr(0, cut + 1);
    }
    return std::string();
}

void read_config() {
    DataFilePath = MediaPath + "config.tll";
    int values[4] = {0, 0, 0, 0};
    int read = 0;
    std::string text, why;
    bool opened = read_regular_file(DataFilePath, ConfigFileLimit, &text, &why) == file_read::done;
    number_reader in(text);
    number_read got = number_read::done;
    while (opened && read < 4 && (got = in.next_int(&values[read])) == number_read::done)
        read++;
    if (!opened) {
        std::fprintf(stderr, "Couldn't read %s (%s): using Scale 1 at 240x320\n",
                     DataFilePath.c_str(), why.c_str());
    } else if (got == number_read::out_of_range) {
        // A number too large for any field is damage: it and the fields after it are not taken.
        std::fprintf(stderr,
                     "%s: number %d does not fit an int: it and the rest take Scale 1 at 240x320\n",
                     DataFilePath.c_str(), read + 1);
    } else if (read < 4) {
        std::fprintf(stderr, "%s holds %d of its 4 numbers: the rest take Scale 1 at 240x320\n",
                     DataFilePath.c_str(), read);
    }
    // Fields the file did not give take the small portrait layout: Scale 1, and a screen the
    // size of the layout at whatever Scale was read.
    ReservedValue = read > 0 ? values[0] : 0;
    Scale = read > 1 ? values[1] : 1;
    if (Scale < 1) {
        std::fprintf(stderr, "%s: Scale %d is below 1, using 1\n", DataFilePath.c_str(), Scale);
        Scale = 1;
    } else if (Scale > 16) {
        // Every layout number is multiplied by Scale; keep them far from overflowing.
        std::fprintf(stderr, "%s: Scale %d is above 16, using 16\n", DataFilePath.c_str(), Scale);
        Scale = 16;
    }
    ScreenWidth = read > 2 ? values[2] : 240 * Scale;
    ScreenHeight = read > 3 ? values[3] : 320 * Scale;
    // Past 65535 a side no longer fits the screen rectangle's fields.
    if (ScreenWidth < 1 || ScreenHeight < 1 || ScreenWidth > 65535 || ScreenHeight > 65535) {
        std::fprintf(stderr, "%s: screen %dx%d is not a size, using %dx%d\n", DataFilePath.c_str(),
                     ScreenWidth, ScreenHeight, 240 * Scale, 320 * Scale);
        ScreenWidth = 240 * Scale;
        ScreenHeight = 320 * Scale;
    }
}

std::vector<std::string> media_candidates(const std::string& program_folder, const char* option) {
    if (option) {
        std::string folder(option);
        if (folder.empty() || (folder.back() != '/' && folder.back() != '\\'))
            folder += '/';
        return {folder};
    }
    std::string::size_type cut = last_separator(program_folder);
    char separator = (cut != std::string::npos) ? program_folder[cut] : '/';
    // A build or a portable copy keeps its media beside the program; an installed game finds
    // its data folder from games/ (or bin/), wherever the tree was installed.
    return {program_folder + "media" + separator,
            program_folder + "../share/games/tessoli/media" + separator};
}

static bool is_folder(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool find_media_folder(const std::string& program_folder, const char* option) {
    std::vector<std::string> looked = media_candidates(program_folder, option);
    for (std::size_t i = 0; i < looked.size(); i++) {
        if (!is_folder(looked[i]))
            continue;
        MediaPath = looked[i];
        // Only the program's own media folder holds the saved game; any other (an installed,
        // read-only tree, or one named with --media) leaves it in the player's data folder.
        SaveFolder = MediaPath;
        if (option || i != 0) {
            SaveFolder = data_home_save_folder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
            if (SaveFolder.empty()) {
                std::fprintf(stderr, "No home folder: the saved game stays in %s\n",
                             MediaPath.c_str());
                SaveFolder = MediaPath;
            }
        }
        SaveFolder = saved_game_folder(SaveFolder);
        return true;
    }
    std::string line = "No media folder: looked in";
    for (std::size_t i = 0; i < looked.size(); i++)
        line += (i ? ", " : " ") + looked[i];
    std::fprintf(stderr, "%s\n", line.c_str());
    return false;
}

static std::string settings_file() {
    return settings_path(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

void open_window_at_chosen_size() {
    if (!VideoWindowed || !window_resizable() || !screen)
        return;
    // --zoom, else the size the player chose last, else the game's own; each fitted to the
    // usable part of the screen the window opens on.
    window_setting chosen;
    chosen.w = screen->w;
    chosen.h = screen->h;
    if (OptionZoom > 0) {
        chosen.w = screen->w * OptionZoom;
        chosen.h = screen->h * OptionZoom;
    } else if (OptionWindowSettings) {
        read_settings(settings_file(), chosen);
    }
    int area_w = 0, area_h = 0;
    window_size fitted{chosen.w, chosen.h};
    if (window_usable_area(&area_w, &area_h))
        fitted = fit_window(chosen.w, chosen.h, screen->w, screen->h, area_w, area_h);
    if (OptionZoom > 0 && (fitted.w != chosen.w || fitted.h != chosen.h))
        std::fprintf(stderr,
                     "tessoli: --zoom %d (%d x %d) does not fit the screen's %d x %d: the window "
                     "opens at %d x %d\n",
                     OptionZoom, chosen.w, chosen.h, area_w, area_h, fitted.w, fitted.h);
    if (fitted.w != screen->w || fitted.h != screen->h)
        window_set_size(fitted.w, fitted.h);
}

void keep_chosen_window_size() {
    window_setting chosen;
    if (OptionWindowSettings && window_size_chosen(&chosen.w, &chosen.h))
        write_settings(settings_file(), chosen);
}

// The player's pictures are kept beside the saved game (a page keeps both in the browser's
// storage); a recording being played takes only the folder it is given.
void find_player_pictures() {
    const char* home = std::getenv("HOME");
    if (OptionPictures) {
        PlayerPicturesFolder = OptionPictures;
        if (PlayerPicturesFolder.back() != '/')
            PlayerPicturesFolder += '/';
    } else if (!OptionReplaying) {
        std::string data = data_home_save_folder(std::getenv("XDG_DATA_HOME"), home);
        if (!data.empty())
            PlayerPicturesFolder = saved_game_folder(data) + "pictures/";
    }
    std::string cache = cache_home_folder(std::getenv("XDG_CACHE_HOME"), home);
    if (!cache.empty())
        PlayerPicturesCache = saved_game_folder(cache) + "ready/";
    count_player_pictures();
}

void startup(std::string program_path) {
    ProgramPath = program_folder(program_path);
    if (!find_media_folder(ProgramPath, OptionMedia))
        std::exit(1);
    if (MediaPath.size() >= sizeof MediaFolder) {
        std::fprintf(stderr, "Media folder path too long: %s\n", MediaPath.c_str());
        std::exit(1);
    }
    std::strcpy(MediaFolder, MediaPath.c_str());
    find_player_pictures();

    read_config();

    init_video("Tessoli", ScreenWidth, ScreenHeight);
    open_window_at_chosen_size();
    if (!OptionReplaying)
        drop_start(); // pictures dropped on the window join the player's
    open_services();
    enable_drawing(1);
    game_srand(startup_seed());
    set_frame_period(1000 / FrameRate);
    start_frame_clock();
    input_watch_hangup();
    GameRunning = 1;
}
