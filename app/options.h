// Command-line options of the desktop build: window, recordings, replays and timedemos.
#pragma once

// -1 to run the game; otherwise the exit status to return at once (help, a bad option).
int parse_options(int argc, char** argv);
// Called around every frame of the main loop (the timedemo times each frame between them).
void options_before_frame();
void options_after_frame();
// Whether the main loop should stop before its next frame (a replay has run out).
bool options_stop();
// Work the options leave for the end of the run (the recording's last line, the table of levels,
// the timedemo line). False when a file the options write could not be written whole.
bool finish_options();

// The timedemo runs without a sound device.
extern int OptionNoAudio;
// The media folder --media names, or null to look beside the program and then in the installed
// data folder.
extern const char* OptionMedia;
// The folder of the player's own pictures --pictures names; null for the player's data folder
// (none while a recording plays, which takes only the folder it is given).
extern const char* OptionPictures;
extern bool OptionReplaying;
// --zoom N: the window opens at N times the game's size (0: the size the player last chose, else
// the game's own). A timedemo keeps the game's size and leaves the settings file alone.
constexpr int MaxZoom = 8;
extern int OptionZoom;
extern int OptionWindowSettings;
