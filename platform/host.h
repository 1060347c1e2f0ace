// What the program asks of the system that runs it, where a browser page and a desktop differ.
#pragma once

#include <string>

// Gives the host a moment between frames when no sleep did (a page must return to the browser).
void yield_to_host();

// The folder the saved game lives in (ending in a separator), given the one start-up chose from the
// media folder and the player's data folder; a browser keeps it in its own storage instead.
std::string saved_game_folder(const std::string& chosen);

// Called after a saved game has been written whole and renamed into place, and after the player's
// pictures changed (both live in the saved game's folder).
void saved_game_written();

// When the game goes out of sight in a way that may end it without a quit request (a page hidden,
// frozen or closed), the host calls save_now at once and the next poll makes the pause request a
// lost window focus makes. A desktop's window close is a quit request, which saves already.
void host_watch_leaving(void (*save_now)());

// Called once the program has ended its main loop.
void program_ended();
