// Shared test helpers: a headless screen, temporary folders, reading pixels and files.
#include "tests/support/test_support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "video/video.h"

SDL_Surface* open_test_screen(int w, int h) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (!screen || screen->w != w || screen->h != h) {
        VideoWindowed = 1;
        free_screen2();
        init_video("Tessoli test", w, h);
    }
    enable_drawing(1);
    SDL_SetClipRect(screen, nullptr);
    return screen;
}

temp_dir::temp_dir() {
    char pattern[] = "/tmp/tessoli-test-XXXXXX";
    char* made = mkdtemp(pattern);
    path_ = std::string(made ? made : "/tmp") + "/";
}

temp_dir::~temp_dir() {
    std::string command = "rm -rf '" + path_ + "'";
    if (std::system(command.c_str()) != 0) {
        // nothing to do: a leftover temp folder harms no one
    }
}

void write_file(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool file_exists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

rgb pixel_at(SDL_Surface* surface, int x, int y) {
    SDL_LockSurface(surface);
    int b = surface->format->BytesPerPixel;
    Uint8* p = static_cast<Uint8*>(surface->pixels) + y * surface->pitch + x * b;
    Uint32 value = 0;
    switch (b) {
    case 1:
        value = *p;
        break;
    case 2:
        value = *reinterpret_cast<Uint16*>(p);
        break;
    case 3:
        value = p[0] | (p[1] << 8) | (p[2] << 16);
        break;
    default:
        value = *reinterpret_cast<Uint32*>(p);
        break;
    }
    SDL_UnlockSurface(surface);
    Uint8 r, g, bl;
    SDL_GetRGB(value, surface->format, &r, &g, &bl);
    return rgb{r, g, bl};
}

void fill_rect(SDL_Surface* surface, int x, int y, int w, int h, int r, int g, int b) {
    SDL_Rect rect;
    rect.x = static_cast<Sint16>(x);
    rect.y = static_cast<Sint16>(y);
    rect.w = static_cast<Uint16>(w);
    rect.h = static_cast<Uint16>(h);
    SDL_FillRect(surface, &rect, SDL_MapRGB(surface->format, r, g, b));
}

std::string build_dir() {
    const char* d = std::getenv("TESSOLI_BUILD_DIR");
    return d ? d : ".";
}

std::string source_dir() {
    const char* d = std::getenv("TESSOLI_SOURCE_DIR");
    return d ? d : "..";
}

std::string media_root() {
    const char* d = std::getenv("TESSOLI_MEDIA_ROOT");
    return d ? d : build_dir();
}

void mark_turned_on_its_side(const std::string& jpeg_path) {
    // Big-endian TIFF with one entry: Orientation (0x0112), a SHORT, 6.
    const char exif[] = "\xFF\xE1\x00\x22"
                        "Exif\0\0MM\0\x2A\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x06\0\0"
                        "\0\0\0\0";
    std::string jpeg = read_file(jpeg_path);
    write_file(jpeg_path, jpeg.substr(0, 2) + std::string(exif, sizeof exif - 1) + jpeg.substr(2));
}
