// cont.tll: the one saved game and the best score, and the two score lines.
#pragma once

#include <string>

// Where cont.tll lives: the one place that says so.
std::string save_file_path();
// The file beside it naming the player's pictures a saved game is played on ("cont.pictures").
std::string pictures_file_path();

// True when cont.tll holds a game that can be continued: time left and a sound board, and not a
// game that ended in this run. Raises the best score to the file's whenever its first two numbers
// read and the best score is one a game can reach; it never lowers it.
bool saved_game_exists();
// Replaces the game state with the saved game, all or nothing: a file that fails the check of
// saved_game_exists changes nothing and leaves a line on the error stream.
void load_game();
// Writes a temporary file beside cont.tll and renames it over, under a lock beside it. A failed
// save keeps the old file, says why on the error stream, shows the menu's notice and returns false.
bool save_game();
void update_best_score();
void draw_best_score();
void draw_your_score();
// "Could not save the game" under the menu for a few seconds after a failed save.
void draw_save_notice();
// Frames the notice still shows; a failed save sets four seconds of them.
extern int SaveNoticeFrames;

// Called by save_game between writing the new file and renaming it; tests stop a save here.
extern void (*save_game_before_rename)();
