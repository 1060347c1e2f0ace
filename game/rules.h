// The rules of the board: offering tiles, taps, rockets, hints, the level clock and scoring.
// A move changes the game state and says what happened as a short list of events; nothing here
// draws, plays a sound or starts sparks: the play screen turns the events into those.
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

// What a move did, in the order it happened.
enum class rule_event_kind {
    tile_placed,      // cell: the offered tile went home
    rockets_launched, // x, y: where both start; horizontal: 1 along the row, 0 along the column
    tile_knocked_out, // cell: a placed tile went back to the pile
    hint_at,          // cell, and x, y its top-left corner: the offered tile's home
    level_cleared,    // the next level waits for a tap
    game_won,         // the twentieth level is cleared
    time_up,          // the level clock ran out
};
struct rule_event {
    rule_event_kind kind;
    int cell, x, y, horizontal;
};
struct rule_events {
    static constexpr int capacity = 4; // no move does more than two things
    rule_event list[capacity];
    int count = 0;
    void add(rule_event_kind kind, int cell = -1, int x = 0, int y = 0, int horizontal = 0);
};

// Which way the rockets of a miss fly: 1 along the tapped cell's row, 0 along its column. The game
// asks its random generator; a test may choose.
extern int (*rocket_direction)();

void offer_previous_tile();
void offer_next_tile();
void wrap_tile();
void take_hint(rule_events& events);
// A tap inside the board rectangle; true when it placed the last tile.
bool tap_on_board(int px, int py, rule_events& events);
// The rocket step in its two halves: the move, then (after the rockets are drawn) the knock-outs.
void rocket_move();
void rocket_knock_out(rule_events& events);
void second_tick(rule_events& events);
void level_complete(rule_events& events);
