// The frame clock: sleeps to the next deadline, pulls a far deadline back, never catches up.
#include "platform/frame_clock.h"

#include "platform/clock.h"
#include "platform/host.h"

uint32_t (*frame_clock_ticks)() = platform_ticks;
void (*frame_clock_delay)(uint32_t ms) = platform_sleep;

int FramePeriodMs;
uint32_t NextFrameTicks;
static int DerivedFramesPerSecond;

void set_frame_period(int period_ms) {
    FramePeriodMs = period_ms;
    DerivedFramesPerSecond = static_cast<int>(1000.0f / static_cast<float>(period_ms));
}

void start_frame_clock() {
    NextFrameTicks = frame_clock_ticks() + static_cast<uint32_t>(FramePeriodMs);
}

void wait_for_frame() {
    uint32_t now = frame_clock_ticks();
    uint32_t period = static_cast<uint32_t>(FramePeriodMs);
    if (NextFrameTicks > now) {
        uint32_t wait = NextFrameTicks - now;
        if (wait > period) {
            // A deadline further away than one period (the tick count went back): start afresh.
            NextFrameTicks = now;
            wait = period;
        }
        NextFrameTicks += period;
        frame_clock_delay(wait);
    } else {
        // Late: the lost time is not made up, the game simply runs slower.
        NextFrameTicks = now + period;
        yield_to_host();
    }
}

int derived_frames_per_second() {
    return DerivedFramesPerSecond;
}
