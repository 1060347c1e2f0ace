// Start-up: the media folder from the program's path, config.tll, video, random seed and clock.
#pragma once

#include <string>

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
// Reads DataFilePath (MediaPath + "config.tll"); falls back to Scale 1 at 240 x 320 with a message.
void read_config();
// Seed for rand at start-up: SDL's tick count unless a recording fixes it.
extern unsigned int (*startup_seed)();
