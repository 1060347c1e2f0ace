// The player's own folder for the saved game: where it is, and making it on the first save.
#include "res/save_folder.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

std::string data_home_save_folder(const char* xdg_data_home, const char* home) {
    std::string base;
    if (xdg_data_home && xdg_data_home[0] == '/') {
        base = xdg_data_home;
    } else {
        std::string h = home ? home : "";
        if (h.empty()) {
            const passwd* pw = getpwuid(getuid());
            if (pw && pw->pw_dir)
                h = pw->pw_dir;
        }
        if (h.empty())
            return std::string();
        base = h + (h.back() == '/' ? "" : "/") + ".local/share";
    }
    if (base.back() != '/')
        base += '/';
    return base + "tessoli/";
}

bool make_save_folder(const std::string& folder) {
    // Each missing parent in turn, from the top: a fresh account may have no ~/.local yet.
    for (std::string::size_type at = folder.find('/', 1); at != std::string::npos;
         at = folder.find('/', at + 1)) {
        std::string part = folder.substr(0, at);
        struct stat st;
        if (stat(part.c_str(), &st) == 0) {
            if (S_ISDIR(st.st_mode))
                continue;
            std::fprintf(stderr, "Couldn't create the save folder %s: %s is not a folder\n",
                         folder.c_str(), part.c_str());
            return false;
        }
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            std::fprintf(stderr, "Couldn't create the save folder %s: %s\n", folder.c_str(),
                         std::strerror(errno));
            return false;
        }
    }
    return true;
}
