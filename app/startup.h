// Start-up: the media folder (--media, beside the program, or installed) and where saves go,
// config.tll, video, random seed and clock.
#pragma once

#include <string>
#include <vector>

#include "res/media_folder.h" // MediaPath, DataFilePath, MediaFolder: start-up sets them
#include "video/units.h"      // Scale: start-up reads it from config.tll

extern std::string ProgramPath;

extern int ReservedValue;
extern int ScreenWidth;
extern int ScreenHeight;

void startup(std::string program_path);
// The services start-up opens once the display is set: the sound device (unless the run has
// none, OptionNoAudio) and joystick 0.
void open_services();

// The folder of a program path, up to and including its last '/' or '\\'. A path with no
// separator (started through PATH) gives the folder of the running executable.
std::string program_folder(const std::string& program_path);
// The media folders tried in turn: the one --media names alone; else media/ beside the program,
// then the installed data folder (../share/games/tessoli/media/ from the program's folder).
std::vector<std::string> media_candidates(const std::string& program_folder, const char* option);
// Sets MediaPath to the first candidate that is a folder, and SaveFolder to it when it is the
// program's own media/, else to the player's data folder. False, with one line naming every
// place looked in, when none is.
bool find_media_folder(const std::string& program_folder, const char* option);
// A window opens at --zoom's size, else at the size the player last gave it (the settings file);
// at the end a size the player chose in this run is written there for the next.
void open_window_at_chosen_size();
void keep_chosen_window_size();
// Reads DataFilePath (MediaPath + "config.tll"); falls back to Scale 1 at 240 x 320 with a message.
void read_config();
