// The frame clock: a fixed period, a deadline, sleeping to it, and no catch-up when late.
#pragma once

#include <cstdint>

extern int FramePeriodMs;
extern uint32_t NextFrameTicks;

void set_frame_period(int period_ms);
void start_frame_clock();
void wait_for_frame();
int derived_frames_per_second();

// Where the clock reads the time and how it sleeps; tests put a fake clock here.
extern uint32_t (*frame_clock_ticks)();
extern void (*frame_clock_delay)(uint32_t ms);
