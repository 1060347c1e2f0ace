// The state machine: the running flag, the frame loop and the dispatch on the screen names.
#pragma once

#include "game/states.h"     // GameState, GameSubState, GamePause, GameRunning and their names
#include "game/transition.h" // the picture transition the screens change pictures with
#include "video/units.h"     // FramesPerSecond, which the frame loop keeps

// Calls the handler of GameState's screen; none has no handler (and is reported once).
void dispatch_state();
// One pass of the main loop: poll, quit test, dispatch, pacing, frames per second.
void run_frame();

// The whole program as main runs it, for the executable and for whole-program tests.
int tessoli_main(int argc, char** argv);
