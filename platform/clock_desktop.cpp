// Time on the desktop: SDL's tick count and its sleep.
#include "platform/clock.h"

#include <SDL.h>

uint32_t platform_ticks() {
    return SDL_GetTicks();
}

void platform_sleep(uint32_t ms) {
    SDL_Delay(ms);
}
