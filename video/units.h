// The two units the game is written in: Scale and the frames that make one second.
#pragma once

// Every layout number is given for a 240 x 320 screen and multiplied by Scale; every duration is
// counted in frames, FramesPerSecond of them to the second. Both are set by the program, above
// every layer that reads them (Scale by start-up from config.tll, FramesPerSecond by the frame
// loop), and defined with the video layer in video/video.cpp; declared here at the bottom
// of the drawing layers so that effects, the game and the screens read them without reaching up.
extern int Scale;
extern int FramesPerSecond;
