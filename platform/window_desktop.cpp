// The desktop window: resizable, scaled by the SDL 1.2 compatibility layer over SDL2.
#include "platform/window.h"

#include <SDL.h>
#include <dlfcn.h>

namespace {
int ChosenW, ChosenH;
// The sizes the game gave the window itself (the mode's, a fitted or zoomed size): a resize to
// one of them is the game's doing, not the player's choice.
int OwnW[2], OwnH[2];

void note_own_size(int w, int h) {
    OwnW[1] = OwnW[0];
    OwnH[1] = OwnH[0];
    OwnW[0] = w;
    OwnH[0] = h;
}

// SDL2 under the SDL 1.2 compatibility layer, found in the running process rather than linked:
// SDL 1.2 has no call for a window's size on the screen, nor for the screen's usable area. A
// classic SDL 1.2 has none of it, and the window keeps the mode's size.
struct sdl2_rect {
    int x, y, w, h;
};
struct sdl2_calls {
    void* window = nullptr;
    void (*set_size)(void*, int, int) = nullptr;
    void (*get_size)(void*, int*, int*) = nullptr;
    void (*set_resizable)(void*, int) = nullptr;
    int (*display_index)(void*) = nullptr;
    int (*usable_bounds)(int, sdl2_rect*) = nullptr;
    int (*bounds)(int, sdl2_rect*) = nullptr;
    int (*borders)(void*, int*, int*, int*, int*) = nullptr;
};

template <typename F> void find(void* library, const char* name, F& f) {
    f = reinterpret_cast<F>(dlsym(library, name));
}

sdl2_calls sdl2() {
    sdl2_calls c;
    using get_window_fn = void* (*)();
    auto get_window = reinterpret_cast<get_window_fn>(dlsym(RTLD_DEFAULT, "SDL12COMPAT_GetWindow"));
    void* library = dlopen("libSDL2-2.0.so.0", RTLD_LAZY | RTLD_NOLOAD);
    if (!get_window || !library)
        return c;
    c.window = get_window();
    find(library, "SDL_SetWindowSize", c.set_size);
    find(library, "SDL_GetWindowSize", c.get_size);
    find(library, "SDL_SetWindowResizable", c.set_resizable);
    find(library, "SDL_GetWindowDisplayIndex", c.display_index);
    find(library, "SDL_GetDisplayUsableBounds", c.usable_bounds);
    find(library, "SDL_GetDisplayBounds", c.bounds);
    find(library, "SDL_GetWindowBordersSize", c.borders);
    // The library stays loaded: the compatibility layer holds it for the whole run.
    dlclose(library);
    return c;
}

int display_of(const sdl2_calls& c) {
    int i = c.display_index && c.window ? c.display_index(c.window) : 0;
    return i < 0 ? 0 : i;
}

bool full_screen() {
    const SDL_Surface* s = SDL_GetVideoSurface();
    return s && (s->flags & SDL_FULLSCREEN);
}

} // namespace

bool window_resizable() {
    return true;
}

bool window_set_size(int w, int h) {
    // The compatibility layer keeps the mode's size as the picture's and scales it into whatever
    // size its SDL2 window has.
    sdl2_calls c = sdl2();
    if (!c.window || !c.set_size)
        return false;
    note_own_size(w, h);
    c.set_size(c.window, w, h);
    return true;
}

bool window_usable_area(int* w, int* h) {
    sdl2_calls c = sdl2();
    sdl2_rect area{};
    if (!c.usable_bounds || c.usable_bounds(display_of(c), &area) != 0 || area.w <= 0 ||
        area.h <= 0)
        return false;
    // The window manager's frame (title bar, borders) is on the screen too, once it is known.
    int top = 0, left = 0, bottom = 0, right = 0;
    if (c.window && c.borders && c.borders(c.window, &top, &left, &bottom, &right) == 0) {
        area.w -= left + right;
        area.h -= top + bottom;
    }
    *w = area.w;
    *h = area.h;
    return area.w > 0 && area.h > 0;
}

void window_note_resize(int w, int h) {
    for (int i = 0; i < 2; i++)
        if (w == OwnW[i] && h == OwnH[i])
            return;
    // The whole screen is full screen's size (a resize left over from it), not a window's.
    sdl2_calls c = sdl2();
    sdl2_rect screen_area{};
    if (c.bounds && c.bounds(display_of(c), &screen_area) == 0 && w == screen_area.w &&
        h == screen_area.h)
        return;
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

void window_opened(int w, int h) {
    note_own_size(w, h);
}

void window_toggle_full_screen() {
    SDL_Surface* s = SDL_GetVideoSurface();
    if (!s)
        return;
    SDL_WM_ToggleFullScreen(s);
    if (!full_screen()) {
        // Back from full screen: the window the player can resize, at a size that fits the
        // screen it is on (a mode set for full screen made a fixed window of the mode's size).
        sdl2_calls c = sdl2();
        int w = 0, h = 0, area_w = 0, area_h = 0;
        if (c.window && c.set_resizable)
            c.set_resizable(c.window, 1);
        if (c.window && c.get_size)
            c.get_size(c.window, &w, &h);
        if (w > 0 && h > 0 && window_usable_area(&area_w, &area_h)) {
            window_size fitted = fit_window(w, h, s->w, s->h, area_w, area_h);
            if (fitted.w != w || fitted.h != h)
                window_set_size(fitted.w, fitted.h);
        }
    }
    // The new window shows the last frame at once, whatever screen waits for the player. The
    // window manager takes a moment over the change, and a frame shown before the window has its
    // new size is drawn for the old one: it is shown again while the size settles.
    for (int i = 0; i < 8; i++) {
        SDL_PumpEvents();
        SDL_Flip(s);
        SDL_Delay(40);
    }
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
