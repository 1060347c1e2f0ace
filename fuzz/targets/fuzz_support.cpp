// Scratch folder and invariant checks shared by the fuzz targets.
#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <unistd.h>

static void abort_on_failure(const char* what, const char* file, int line) {
    // Straight to the descriptor: the fuzzers point the stderr stream at /dev/null.
    dprintf(2, "%s:%d: invariant broken: %s\n", file, line, what);
    std::abort();
}

void (*fuzz_check_failed)(const char* what, const char* file, int line) = abort_on_failure;

static std::string folder;

// Only this process's own folder and the files the targets wrote into it are removed.
static void remove_folder() {
    if (folder.empty())
        return;
    if (DIR* d = opendir(folder.c_str())) {
        while (dirent* e = readdir(d)) {
            std::string name = e->d_name;
            if (name != "." && name != "..")
                unlink((folder + name).c_str());
        }
        closedir(d);
    }
    rmdir(folder.c_str());
}

const std::string& fuzz_folder() {
    if (folder.empty()) {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/tessoli-fuzz-XXXXXX";
        if (!mkdtemp(&pattern[0])) {
            std::perror("mkdtemp");
            std::abort();
        }
        folder = pattern + "/";
        std::atexit(remove_folder);
    }
    return folder;
}

void fuzz_write(const std::string& path, const uint8_t* data, size_t size) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::perror(path.c_str());
        std::abort();
    }
    if (size > 0 && std::fwrite(data, 1, size, f) != size) {
        std::perror(path.c_str());
        std::abort();
    }
    std::fclose(f);
}
