// The desktop settings file: the window size the player chose last, kept from one run to the next.
#pragma once

#include <string>

struct window_setting {
    int w = 0;
    int h = 0;
};

// A window side the file may hold, in screen pixels, and the most pixels in all: an 8K display's
// worth (a window of 16384 x 16384 would take a gigabyte to draw).
constexpr int MinWindowSide = 64;
constexpr int MaxWindowSide = 8192;
constexpr long long MaxWindowPixels = 7680LL * 4320;

// Whether the file may hold a window of w x h: what the reader takes and the writer writes.
bool window_size_allowed(int w, int h);

// "settings" in the player's config folder ($XDG_CONFIG_HOME/tessoli/, else ~/.config/tessoli/);
// empty when no home folder can be named.
std::string settings_path(const char* xdg_config_home, const char* home);

// The file is text: comment lines starting with '#' and one "window W H" line. False, with the
// reason in why, for anything else (an empty file, an unknown line, a size out of range).
bool parse_settings(const std::string& text, window_setting& out, std::string& why);
std::string settings_text(const window_setting& setting);

// Reads path. A missing file is the first run and says nothing; a damaged, empty or unreadable
// one says one line on stderr and is ignored. True only when out was filled.
bool read_settings(const std::string& path, window_setting& out);
// Writes path whole (the folder made as needed); one line on stderr when it cannot. A size the
// reader would refuse is not written (false, the old file kept).
bool write_settings(const std::string& path, const window_setting& setting);
