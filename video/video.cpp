// The display: video mode, back buffers, copies between them and the pixel helpers.
#include "video/video.h"

#include <SDL.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <utility>

#include "platform/files.h"
#include "platform/image.h"
#include "platform/picture_size.h"
#include "platform/window.h"
#include "res/media_folder.h"
#include "video/units.h"

int Scale;
int FramesPerSecond = FrameRate;

SDL_Surface* screen;
SDL_Surface* screen2[3];
int screen_w;
int screen_h;
int drawing_enabled;
int VideoWindowed;

int video_depth_for(int desktop_bpp) {
    if (desktop_bpp <= 8) {
        std::fputs("forced 16 bpp mode\n", stderr);
        return 16;
    }
    return desktop_bpp;
}

// The window's icon from the media folder; none, silently, when the set has no icon.bmp. Set
// before the video mode, as the window manager reads it when the window appears. It comes in the
// way every picture does: a regular file, a BMP by its bytes, a size checked before decoding.
static void set_window_icon() {
    if (!window_shows_icon())
        return;
    std::string bytes, why;
    file_read got = read_regular_file(MediaPath + "icon.bmp", IconFileLimit, &bytes, &why);
    if (got == file_read::missing)
        return;
    const unsigned char* data = reinterpret_cast<const unsigned char*>(bytes.data());
    if (got == file_read::done && picture_format_of(data, bytes.size()) != picture_format::bmp)
        why = "not a BMP picture";
    else if (got == file_read::done && picture_acceptable(data, bytes.size(), &why))
        why.clear();
    SDL_RWops* reader =
        why.empty() ? SDL_RWFromMem(const_cast<char*>(bytes.data()), static_cast<int>(bytes.size()))
                    : nullptr;
    SDL_Surface* icon = reader ? SDL_LoadBMP_RW(reader, 1) : nullptr;
    if (!icon) {
        std::fprintf(stderr, "Couldn't load icon.bmp: %s\n",
                     why.empty() ? SDL_GetError() : why.c_str());
        return;
    }
    SDL_SetColorKey(icon, SDL_SRCCOLORKEY, SDL_MapRGB(icon->format, 255, 0, 255));
    SDL_WM_SetIcon(icon, nullptr);
    SDL_FreeSurface(icon);
}

void init_video(const char* caption, int width, int height) {
    screen_w = width;
    screen_h = height;
    // A window is scaled without smoothing: pixel-crisp at whole multiples, and the same picture
    // at half the cost of every flip. Its frames are presented by SDL2's software renderer into
    // the window's own pixels: through OpenGL (llvmpipe where there is no GPU, as under Xvfb)
    // the same copy cost four times the CPU. A player's own choice in the environment stands.
    if (VideoWindowed) {
        setenv("SDL12COMPAT_SCALE_METHOD", "nearest", 0);
        setenv("SDL_RENDER_DRIVER", "software", 0);
        setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", 0);
    }
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "Couldn't initialize SDL_VIDEO: %s\n", SDL_GetError());
        std::exit(1);
    }
    // Without a reachable display SDL falls back to drawing off screen, and the game would wait
    // for a tap nobody can give. That fallback is for those who ask for it by name.
    char driver[32];
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    if (SDL_VideoDriverName(driver, sizeof driver) && std::strcmp(driver, "offscreen") == 0 &&
        !(asked && *asked)) {
        std::fprintf(stderr, "Couldn't initialize SDL_VIDEO: no display (is DISPLAY set?)\n");
        SDL_Quit();
        std::exit(1);
    }
    // Without video information (never seen on a working display) ask for 16 bits. Full screen
    // on a display of any shape shows the whole game at its own 3:4, with black bars beside it.
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    int depth = video_depth_for(info && info->vfmt ? info->vfmt->BitsPerPixel : 16);
    set_window_icon();

    Uint32 preferred = SDL_HWSURFACE | SDL_ASYNCBLIT;
    Uint32 fallback = 0;
    if (!VideoWindowed) {
        preferred |= SDL_FULLSCREEN;
        fallback |= SDL_FULLSCREEN;
    }
    if (window_resizable()) {
        // The mode keeps the game's size whatever the window's: the resize events are not
        // answered with a new mode, so the picture is scaled into the window. Full screen asks
        // for it too, so that F11 gives back a window the player can resize.
        preferred |= SDL_RESIZABLE;
        fallback |= SDL_RESIZABLE;
    }
    // SDL keeps its last error until the next one: an earlier failure (a missing icon, a probe)
    // must not pass for the reason a mode was refused.
    auto say_no_mode = [&]() {
        const char* why = SDL_GetError();
        std::fprintf(stderr, "Couldn't set %dx%dx%d video mode: %s\n", screen_w, screen_h, depth,
                     why && *why ? why : "the display offers no such mode");
    };
    Uint32 flags = preferred;
    SDL_ClearError();
    if (SDL_VideoModeOK(screen_w, screen_h, depth, flags) == 0) {
        say_no_mode();
        flags = fallback;
    }
    SDL_ClearError();
    screen = SDL_SetVideoMode(screen_w, screen_h, depth, flags);
    if (!screen) {
        say_no_mode();
        std::exit(1);
    }
    window_opened(screen_w, screen_h);
    for (int i = 0; i < 3; i++)
        screen2[i] = display_surface_like(screen);
    SDL_WM_SetCaption(caption, nullptr);
}

void enable_drawing(int on) {
    drawing_enabled = on;
}

void flip_screen() {
    if (!drawing_enabled)
        return;
    if (SDL_Flip(screen) == -1)
        std::fputs("No flip", stderr);
}

static int copy(SDL_Surface* from, SDL_Rect* from_rect, SDL_Surface* to, int x, int y) {
    // A back buffer that could not be made is null; SDL 1.2 on SDL2 would crash on it, so the
    // copy fails here and prints its message like any other failed blit.
    if (!from || !to) {
        SDL_SetError("no surface to copy");
        return -1;
    }
    SDL_Rect dest;
    dest.x = static_cast<Sint16>(x);
    dest.y = static_cast<Sint16>(y);
    dest.w = 0;
    dest.h = 0;
    return blit_surface(from, from_rect, to, &dest);
}

namespace {
struct blit_errors {
    std::set<std::pair<const void*, std::string>> said;
    long failed = 0;
};
blit_errors& failed_blits() {
    static blit_errors errors;
    return errors;
}
} // namespace

void say_blit_error(const void* source, const char* line) {
    blit_errors& errors = failed_blits();
    errors.failed++;
    if (errors.said.insert({source, line}).second)
        std::fputs(line, stderr);
}

void say_blit_errors_at_exit() {
    blit_errors& errors = failed_blits();
    long said = static_cast<long>(errors.said.size());
    if (errors.failed > said)
        std::fprintf(stderr, "Blit errors: %ld in all, each said once above\n", errors.failed);
    errors.said.clear();
    errors.failed = 0;
}

void screen_screen2(int n) {
    if (!drawing_enabled)
        return;
    if (copy(screen, nullptr, screen2[n], 0, 0) < 0)
        say_blit_error(&screen2[n], "Blit error: screen_screen2(int n)\n");
}

void screen2_screen(int n) {
    if (!drawing_enabled)
        return;
    if (copy(screen2[n], nullptr, screen, 0, 0) < 0)
        say_blit_error(&screen2[n], "Blit error: screen2_screen(int n)");
}

void screen2_screen(int n, int pos_x, int pos_y) {
    if (!drawing_enabled)
        return;
    if (copy(screen2[n], nullptr, screen, pos_x, pos_y) < 0)
        say_blit_error(&screen2[n], "Blit error: screen2_screen(int n, int pos_x, int pos_y)");
}

void screen2_screen(int n, int pos_x, int pos_y, int x, int y, int x1, int y1) {
    if (!drawing_enabled)
        return;
    SDL_Rect part;
    part.x = static_cast<Sint16>(x);
    part.y = static_cast<Sint16>(y);
    part.w = static_cast<Uint16>(x1);
    part.h = static_cast<Uint16>(y1);
    if (copy(screen2[n], &part, screen, pos_x, pos_y) < 0)
        say_blit_error(&screen2[n],
                       "Blit error: screen2_screen(int n, int pos_x, int pos_y, int x, "
                       "int y, int x1, int y1)");
}

void set_clip(int x, int y, int w, int h, SDL_Surface* surface) {
    SDL_Rect clip;
    clip.x = static_cast<Sint16>(x);
    clip.y = static_cast<Sint16>(y);
    clip.w = static_cast<Uint16>(w);
    clip.h = static_cast<Uint16>(h);
    set_clip_rect(surface, &clip);
}

void fill_screen_rect(int x, int y, int w, int h, uint32_t colour) {
    if (!screen)
        return;
    SDL_Rect r{static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w),
               static_cast<Uint16>(h)};
    SDL_FillRect(screen, &r, colour);
}

uint32_t map_rgb(int r, int g, int b) {
    return SDL_MapRGB(screen->format, static_cast<Uint8>(r), static_cast<Uint8>(g),
                      static_cast<Uint8>(b));
}

void put_pixel(int x, int y, uint32_t value, SDL_Surface* surface) {
    // An unlocked surface that must be locked may have no pixels: a write would land in memory
    // that holds something else.
    if (x < 0 || x >= surface->w || y < 0 || y >= surface->h || !surface->pixels)
        return;
    int b = surface->format->BytesPerPixel;
    Uint8* p = static_cast<Uint8*>(surface->pixels) + y * surface->pitch + x * b;
    switch (b) {
    case 1:
        *p = static_cast<Uint8>(value);
        break;
    case 2:
        *reinterpret_cast<Uint16*>(p) = static_cast<Uint16>(value);
        break;
    case 3:
        // Low byte first on every machine: the stored colour must not depend on byte order.
        p[0] = static_cast<Uint8>(value);
        p[1] = static_cast<Uint8>(value >> 8);
        p[2] = static_cast<Uint8>(value >> 16);
        break;
    case 4:
        *reinterpret_cast<Uint32*>(p) = value;
        break;
    default:
        break;
    }
}

static bool must_lock(SDL_Surface* surface) {
    return surface_must_lock(surface);
}

void lock_surface(SDL_Surface* surface) {
    if (must_lock(surface) && SDL_LockSurface(surface) < 0)
        std::fprintf(stderr, "Can't lock screen: %s\n", SDL_GetError());
}

void unlock_surface(SDL_Surface* surface) {
    if (must_lock(surface))
        SDL_UnlockSurface(surface);
}

void free_screen2() {
    for (int i = 0; i < 3; i++) {
        if (screen2[i])
            SDL_FreeSurface(screen2[i]);
        screen2[i] = nullptr;
    }
}

int set_surface_alpha(SDL_Surface* surface, int alpha) {
    if (alpha >= 255)
        return SDL_SetAlpha(surface, 0, 255);
    return SDL_SetAlpha(surface, SDL_SRCALPHA, static_cast<Uint8>(alpha));
}

void draw_line(int x1, int y1, int x2, int y2, uint32_t colour, SDL_Surface* surface) {
    int dx = x2 - x1;
    int dy = y2 - y1;
    bool x_major = std::abs(dx) >= std::abs(dy);
    int major_start = x_major ? x1 : y1;
    int major_end = x_major ? x2 : y2;
    int minor_delta = x_major ? dy : dx;
    int major_delta = x_major ? dx : dy;
    // A single point has no slope; it still writes its one pixel.
    float slope =
        major_delta == 0 ? 0.0f : static_cast<float>(minor_delta) / static_cast<float>(major_delta);
    int step = major_start <= major_end ? 1 : -1;
    float minor = static_cast<float>(x_major ? y1 : x1);
    for (int major = major_start;; major += step) {
        int m = static_cast<int>(std::floor(static_cast<double>(minor) + 0.5));
        if (x_major)
            put_pixel(major, m, colour, surface);
        else
            put_pixel(m, major, colour, surface);
        minor += static_cast<float>(step) * slope;
        if (major == major_end)
            break;
    }
}
