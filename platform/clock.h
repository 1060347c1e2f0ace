// Time from the system: milliseconds since start-up, and sleeping.
#pragma once

#include <cstdint>

// The frame clock, the loading waits and the start-up seed read time through these two; a
// platform whose waits must yield to its host gives its own.
uint32_t platform_ticks();
void platform_sleep(uint32_t ms);
