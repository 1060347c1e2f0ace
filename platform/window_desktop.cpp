// The desktop window: resizable, scaled by the SDL 1.2 compatibility layer over SDL2.
#include "platform/window.h"

#include <SDL.h>
#include <dlfcn.h>

namespace {
int ChosenW, ChosenH;
} // namespace

bool window_resizable() {
    return true;
}

bool window_set_size(int w, int h) {
    // SDL 1.2 has no call for a window larger than its video mode. The compatibility layer keeps
    // the mode's size as the picture's and scales it into whatever size its SDL2 window has, so
    // the window is sized through SDL2 itself, found in the process rather than linked (a classic
    // SDL 1.2 has neither symbol and the window keeps the mode's size).
    using get_window_fn = void* (*)();
    using set_size_fn = void (*)(void*, int, int);
    auto get_window = reinterpret_cast<get_window_fn>(dlsym(RTLD_DEFAULT, "SDL12COMPAT_GetWindow"));
    void* window = get_window ? get_window() : nullptr;
    void* sdl2 = dlopen("libSDL2-2.0.so.0", RTLD_LAZY | RTLD_NOLOAD);
    if (!sdl2)
        return false;
    auto set_size = reinterpret_cast<set_size_fn>(dlsym(sdl2, "SDL_SetWindowSize"));
    if (window && set_size)
        set_size(window, w, h);
    dlclose(sdl2);
    return window && set_size;
}

void window_note_resize(int w, int h) {
    ChosenW = w;
    ChosenH = h;
}

bool window_size_chosen(int* w, int* h) {
    if (ChosenW <= 0 || ChosenH <= 0)
        return false;
    *w = ChosenW;
    *h = ChosenH;
    return true;
}

window_event window_peek_event() {
    SDL_PumpEvents();
    SDL_Event e;
    return SDL_PeepEvents(&e, 1, SDL_PEEKEVENT, SDL_ALLEVENTS) > 0 ? window_event::waiting
                                                                   : window_event::none;
}

int window_tap_side() {
    return 0;
}

bool window_shows_icon() {
    return true;
}
