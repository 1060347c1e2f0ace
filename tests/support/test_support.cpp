// Shared test helpers: a headless screen, temporary folders, reading pixels and files.
#include "tests/support/test_support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "video/sprite.h"
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
    // A leftover temp folder harms no one: the status is not looked at.
    if (std::system(("rm -rf '" + path_ + "'").c_str()) != 0)
        return;
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
    Uint32 value = b == 1   ? *p
                   : b == 2 ? *reinterpret_cast<Uint16*>(p)
                   : b == 3 ? p[0] | (p[1] << 8) | (p[2] << 16)
                            : *reinterpret_cast<Uint32*>(p);
    SDL_UnlockSurface(surface);
    Uint8 r, g, bl;
    SDL_GetRGB(value, surface->format, &r, &g, &bl);
    return rgb{r, g, bl};
}

void fill_rect(SDL_Surface* surface, int x, int y, int w, int h, int r, int g, int b) {
    SDL_Rect rect{Sint16(x), Sint16(y), Uint16(w), Uint16(h)};
    SDL_FillRect(surface, &rect, SDL_MapRGB(surface->format, r, g, b));
}

// The build's own folders unless the environment names others; also right before main() runs.
void give_frames(sprite& s, int size, const std::vector<rgb>& colours) {
    int n = static_cast<int>(colours.size());
    SDL_PixelFormat* f = screen->format;
    if (s.surface)
        SDL_FreeSurface(s.surface);
    s.surface = SDL_CreateRGBSurface(SDL_SWSURFACE, size * n, size, f->BitsPerPixel, f->Rmask,
                                     f->Gmask, f->Bmask, 0);
    for (int i = 0; i < n; i++)
        fill_rect(s.surface, i * size, 0, size, size, colours[i].r, colours[i].g, colours[i].b);
    s.w = size * n;
    s.h = size;
    s.frame_w = s.frame_h = static_cast<float>(size);
}

int channel_tolerance() {
    return screen->format->BitsPerPixel > 16 ? 1 : 8;
}

static std::string env_or(const char* name, const std::string& otherwise) {
    const char* d = std::getenv(name);
    return d ? d : otherwise;
}

std::string build_dir() {
    return env_or("TESSOLI_BUILD_DIR", TESSOLI_BUILD_DIR_DEFAULT);
}

std::string source_dir() {
    return env_or("TESSOLI_SOURCE_DIR", TESSOLI_SOURCE_DIR_DEFAULT);
}

std::string media_root() {
    return env_or("TESSOLI_MEDIA_ROOT", TESSOLI_MEDIA_ROOT_DEFAULT);
}

void mark_turned_on_its_side(const std::string& jpeg_path) {
    // Big-endian TIFF with one entry: Orientation (0x0112), a SHORT, 6.
    const char exif[] = "\xFF\xE1\x00\x22"
                        "Exif\0\0MM\0\x2A\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x06\0\0"
                        "\0\0\0\0";
    std::string jpeg = read_file(jpeg_path);
    write_file(jpeg_path, jpeg.substr(0, 2) + std::string(exif, sizeof exif - 1) + jpeg.substr(2));
}
