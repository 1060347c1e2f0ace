// cont.tll: the one saved game and the best score, and the two score lines.
#pragma once

// True when cont.tll holds a game that can be continued: time left and a sound board. Takes the
// best score from the file whenever its first two numbers can be read.
bool saved_game_exists();
// Replaces the game state with the saved game, all or nothing: a file that fails the check of
// saved_game_exists changes nothing and leaves a line on the error stream.
void load_game();
// Writes cont.tll.tmp beside cont.tll and renames it over; a failed save keeps the old file.
void save_game();
void update_best_score();
void draw_best_score();
void draw_your_score();

// Called by save_game between writing the new file and renaming it; tests stop a save here.
extern void (*save_game_before_rename)();
