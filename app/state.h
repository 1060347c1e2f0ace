// The state machine: state and phase names, the running flag, the frame loop and the picture
// transition.
#pragma once

#include <string>

extern std::string GameState;
extern std::string GameSubState;
extern unsigned char GameRunning;
extern int FramesPerSecond;

// Calls the handler GameState names; an unknown name runs none.
void dispatch_state();
// One pass of the main loop: poll, quit test, dispatch, pacing, frames per second.
void run_frame();

// The picture transition: begin keeps the old picture in back buffer 0; the caller draws the
// new one; end keeps it in back buffer 1, shows the old one again and starts the cross-fade.
void begin_picture_transition();
void end_picture_transition();

// The whole program as main runs it, for the executable and for whole-program tests.
int tessoli_main(int argc, char** argv);
