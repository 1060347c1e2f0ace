// The browser's window: the page scales the canvas itself, so the game never sizes it.
#include "platform/window.h"

#include <SDL.h>

bool window_resizable() {
    return false;
}

int window_tap_side() {
    return 27;
}

bool window_shows_icon() {
    return false;
}

bool window_set_size(int, int) {
    return false;
}

bool window_usable_area(int*, int*) {
    return false;
}

void window_opened(int, int) {}

void window_toggle_full_screen() {
    if (SDL_Surface* s = SDL_GetVideoSurface())
        SDL_WM_ToggleFullScreen(s);
}

void window_note_resize(int, int) {}

bool window_size_chosen(int*, int*) {
    return false;
}

window_event window_peek_event() {
    return window_event::perhaps;
}
