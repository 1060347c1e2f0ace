// Start-up: the media folder from the program's path, config.tll, video, random seed and clock.
#pragma once

#include <string>

extern std::string ProgramPath;
extern std::string MediaPath;
extern std::string DataFilePath;
extern char MediaFolder[256];

extern int ReservedValue;
extern int Scale;
extern int ScreenWidth;
extern int ScreenHeight;

void startup(std::string program_path);

// The folder of a program path, up to and including its last '/' or '\\'. A path with no
// separator (started through PATH) gives the folder of the running executable.
std::string program_folder(const std::string& program_path);
// Reads DataFilePath (MediaPath + "config.tll"); falls back to Scale 1 at 240 x 320 with a message.
void read_config();
// Seed for rand at start-up: SDL's tick count unless a recording fixes it.
extern unsigned int (*startup_seed)();
