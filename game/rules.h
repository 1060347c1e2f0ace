// The rules of the board: offering tiles, taps, rockets, hints, the level clock and scoring.
// Nothing here draws; the play screen calls these once per frame and draws the result.
#pragma once

#include <cstdint>

// No game comes near this score either way: a won game makes about 7,000, and a knocked-out tile
// only takes back what placing it gave, so hints (-10 for 7 s) bound the low end to a few
// thousand below 0. A saved score beyond it is damage, and the score stops at it rather than
// overflow. add_score returns score + points kept within the limit.
constexpr int32_t ScoreLimit = 10000000;
int32_t add_score(int32_t score, int32_t points);

bool in_rect(int px, int py, int x, int y, int w, int h);
// Cell under a screen point; false when column or row falls outside 0..4.
bool cell_under(int px, int py, int* column, int* row);

void offer_previous_tile();
void offer_next_tile();
void wrap_tile();
void take_hint();
// A tap inside the board rectangle; true when it placed the last tile.
bool tap_on_board(int px, int py);
// The rocket step in its two halves: the move, then (after the rockets are drawn) the knock-outs.
void rocket_move();
void rocket_knock_out();
void second_tick();
void level_complete();
