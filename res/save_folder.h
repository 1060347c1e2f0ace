// The player's own folders: the saved game's (when the media folder is not the program's own) and
// the desktop settings'.
#pragma once

#include <string>

// $XDG_DATA_HOME/tessoli/ when XDG_DATA_HOME is an absolute path (a relative or empty one is
// ignored, as the freedesktop base directories say), else HOME/.local/share/tessoli/; HOME unset
// asks the password database. Empty when no home folder can be named at all.
std::string data_home_save_folder(const char* xdg_data_home, const char* home);
// The same for the settings: $XDG_CONFIG_HOME/tessoli/, else HOME/.config/tessoli/.
std::string config_home_folder(const char* xdg_config_home, const char* home);
// The same for what can be made again (the player's pictures made ready to play):
// $XDG_CACHE_HOME/tessoli/, else HOME/.cache/tessoli/.
std::string cache_home_folder(const char* xdg_cache_home, const char* home);

// Creates the folder and its missing parents with the player's rights (0700 for the ones it
// makes). False, with one line naming the folder (as `what`) and the reason, when it cannot; the
// save that follows then fails and is reported as any failed save.
bool make_save_folder(const std::string& folder, const char* what = "save folder");
