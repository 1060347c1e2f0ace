// Files the player drops on the game's window, handed to the game one path at a time.
#pragma once

#include <string>

// Starts taking drops, once the window is open. False where the window cannot take them.
bool drop_start();
// The next path dropped since the last call; false when none is waiting. An empty path says the
// pictures folder changed under the game (a page removed the photos).
bool drop_take(std::string* path);
