// The player's own folder for the saved game: where it is, and making it on the first save.
#include "res/save_folder.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

static std::string base_folder(const char* xdg_home, const char* home, const char* fallback) {
    std::string base;
    if (xdg_home && xdg_home[0] == '/') {
        base = xdg_home;
    } else {
        std::string h = home ? home : "";
        if (h.empty()) {
            const passwd* pw = getpwuid(getuid());
            if (pw && pw->pw_dir)
                h = pw->pw_dir;
        }
        if (h.empty())
            return std::string();
        base = h + (h.back() == '/' ? "" : "/") + fallback;
    }
    if (base.back() != '/')
        base += '/';
    return base + "tessoli/";
}

std::string data_home_save_folder(const char* xdg_data_home, const char* home) {
    return base_folder(xdg_data_home, home, ".local/share");
}

std::string config_home_folder(const char* xdg_config_home, const char* home) {
    return base_folder(xdg_config_home, home, ".config");
}

std::string cache_home_folder(const char* xdg_cache_home, const char* home) {
    return base_folder(xdg_cache_home, home, ".cache");
}

bool make_save_folder(const std::string& folder, const char* what) {
    // Each missing parent in turn, from the top: a fresh account may have no ~/.local yet.
    for (std::string::size_type at = folder.find('/', 1); at != std::string::npos;
         at = folder.find('/', at + 1)) {
        std::string part = folder.substr(0, at);
        struct stat st;
        if (stat(part.c_str(), &st) == 0) {
            if (S_ISDIR(st.st_mode))
                continue;
            std::fprintf(stderr, "Couldn't create the %s %s: %s is not a folder\n", what,
                         folder.c_str(), part.c_str());
            return false;
        }
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            std::fprintf(stderr, "Couldn't create the %s %s: %s\n", what, folder.c_str(),
                         std::strerror(errno));
            return false;
        }
    }
    return true;
}
