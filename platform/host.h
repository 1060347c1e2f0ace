// What the program asks of the system that runs it, where a browser page and a desktop differ.
#pragma once

#include <string>

// Gives the host a moment between frames when no sleep did (a page must return to the browser).
void yield_to_host();

// The folder the saved game lives in (ending in a separator), given the one start-up chose from the
// media folder and the player's data folder; a browser keeps it in its own storage instead.
std::string saved_game_folder(const std::string& chosen);

// Called after a saved game has been written whole and renamed into place.
void saved_game_written();

// Called once the program has ended its main loop.
void program_ended();
