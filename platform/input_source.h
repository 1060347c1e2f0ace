// Where input_poll takes its events from: SDL's queue, or a recording being played back.
#pragma once

// Only pointers to events pass here; whoever makes or reads one includes SDL itself.
union SDL_Event;

// Returns 1 and fills the event when one is pending, like SDL_PollEvent.
extern int (*input_event_source)(SDL_Event* event);
// Called with every event input_poll took, with the poll's number (for recordings).
extern void (*input_event_observer)(unsigned long poll_number, const SDL_Event* event);
extern unsigned long input_poll_count;
// The code of the user event that stands for a loss of the window's focus (a pause request),
// the one form in which focus reaches a recording.
constexpr int PauseRequestCode = 1;
