// PLACEHOLDER until the rules land.
#include "game/rules.h"
bool in_rect(int px, int py, int x, int y, int w, int h) { return x < px && px < x + w && y < py && py < y + h; }
bool cell_under(int, int, int*, int*) { return false; }
void offer_previous_tile() {}
void offer_next_tile() {}
void wrap_tile() {}
void take_hint() {}
bool tap_on_board(int, int) { return false; }
void rocket_move() {}
void rocket_knock_out() {}
void second_tick() {}
void level_complete() {}
