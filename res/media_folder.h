// Where the media set lives: the folder every loader, data file and saved game is named from.
#pragma once

#include <string>

// Set once by start-up. The strings are defined in app/globals.cpp (they have constructors, and
// every global object is built there in one order); the char copy is defined in res/media_folder.cpp.
// Declared at the resource layer so that the game and the screens name their files without
// reaching up to the program.
extern std::string MediaPath;    // the media folder, ending in its separator
extern std::string DataFilePath; // the last data file named from it (config.tll, cont.tll)
extern std::string SaveFolder;   // the folder cont.tll lives in, ending in its separator
extern char MediaFolder[256];    // MediaPath as the loaders take it
