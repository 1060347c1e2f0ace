// Time in the browser: SDL's tick count, and sleeps that return to the page while they last.
#include "platform/clock.h"

#include <SDL.h>
#include <emscripten.h>

uint32_t platform_ticks() {
    return SDL_GetTicks();
}

void platform_sleep(uint32_t ms) {
    emscripten_sleep(ms);
}
