// The desktop settings file: where it lives, its one reader and its writer.
#include "app/settings.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "platform/files.h"
#include "res/save_folder.h"

std::string settings_path(const char* xdg_config_home, const char* home) {
    std::string folder = config_home_folder(xdg_config_home, home);
    return folder.empty() ? folder : folder + "settings";
}

bool window_size_allowed(int w, int h) {
    return w >= MinWindowSide && h >= MinWindowSide && w <= MaxWindowSide && h <= MaxWindowSide &&
           static_cast<long long>(w) * h <= MaxWindowPixels;
}

bool parse_settings(const std::string& text, window_setting& out, std::string& why) {
    if (text.empty()) {
        why = "the file is empty";
        return false;
    }
    window_setting found;
    bool have_window = false;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        number++;
        if (line.empty() || line[0] == '#')
            continue;
        int w = 0, h = 0, used = 0;
        if (std::sscanf(line.c_str(), "window %d %d%n", &w, &h, &used) == 2 &&
            used == static_cast<int>(line.size()) && !have_window) {
            if (!window_size_allowed(w, h)) {
                why = "line " + std::to_string(number) + ": a window of " + std::to_string(w) +
                      " x " + std::to_string(h) + " pixels";
                return false;
            }
            found.w = w;
            found.h = h;
            have_window = true;
            continue;
        }
        why = "line " + std::to_string(number) + " is not a setting";
        return false;
    }
    if (!have_window) {
        why = "no window size";
        return false;
    }
    out = found;
    return true;
}

std::string settings_text(const window_setting& setting) {
    return "# Tessoli's desktop settings, written when the game ends.\nwindow " +
           std::to_string(setting.w) + " " + std::to_string(setting.h) + "\n";
}

bool read_settings(const std::string& path, window_setting& out) {
    if (path.empty())
        return false;
    std::string text, why;
    file_read got = read_regular_file(path, SettingsFileLimit, &text, &why);
    if (got == file_read::missing)
        return false;
    if (got == file_read::too_large)
        why = "the file is too long";
    else if (got == file_read::done && parse_settings(text, out, why))
        return true;
    std::fprintf(stderr, "Ignoring the settings in %s: %s\n", path.c_str(), why.c_str());
    return false;
}

bool write_settings(const std::string& path, const window_setting& setting) {
    if (path.empty() || !window_size_allowed(setting.w, setting.h))
        return false;
    std::string why;
    if (!make_save_folder(path.substr(0, path.rfind('/') + 1), "settings folder"))
        return false;
    if (replace_file(path, settings_text(setting), &why))
        return true;
    std::fprintf(stderr, "Couldn't save the settings in %s: %s\n", path.c_str(), why.c_str());
    return false;
}
