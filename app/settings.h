// The desktop settings file: the window size the player chose last, kept from one run to the next.
#pragma once

#include <string>

struct window_setting {
    int w = 0;
    int h = 0;
};

// A window side the file may hold, in screen pixels.
constexpr int MinWindowSide = 64;
constexpr int MaxWindowSide = 16384;

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
// Writes path whole (the folder made as needed); one line on stderr when it cannot.
bool write_settings(const std::string& path, const window_setting& setting);
