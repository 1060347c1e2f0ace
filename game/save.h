// cont.tll: the one saved game and the best score, and the two score lines.
#pragma once

bool saved_game_exists();
void load_game();
void save_game();
void update_best_score();
void draw_best_score();
void draw_your_score();
