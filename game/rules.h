// The rules of the board: offering tiles, taps, rockets, hints, the level clock and scoring.
// A move takes the game state and changes it, over cells, and says what happened as a short list
// of events; nothing here knows pixels, draws, plays a sound, starts sparks or keeps tallies: the
// play screen maps taps to cells and turns the events into those.
#pragma once

#include <cstdint>

#include "game/game_state.h"

// No game comes near this score either way: a won game makes about 7,000, and a knocked-out tile
// only takes back what placing it gave, so hints (-10 for 7 s) bound the low end to a few
// thousand below 0. A saved score beyond it is damage, and the score stops at it rather than
// overflow. add_score returns score + points kept within the limit.
constexpr int32_t ScoreLimit = 10000000;
int32_t add_score(int32_t score, int32_t points);

// What a move did, in the order it happened.
enum class rule_event_kind {
    tile_placed,      // cell: the offered tile went home
    rockets_launched, // cell: where both start; horizontal: 1 along the row, 0 along the column
    tile_knocked_out, // cell: a placed tile went back to the pile
    hint_at,          // cell: the offered tile's home
    level_cleared,    // the next level waits for a tap
    game_won,         // the twentieth level is cleared
    time_up,          // the level clock ran out
};
struct rule_event {
    rule_event_kind kind;
    int cell, horizontal;
};
struct rule_events {
    static constexpr int capacity = 4; // no move does more than two things
    rule_event list[capacity];
    int count = 0;
    void add(rule_event_kind kind, int cell = -1, int horizontal = 0);
};

// Which way the rockets of a miss fly: 1 along the tapped cell's row, 0 along its column. The game
// asks its random generator; a test may choose.
extern int (*rocket_direction)();

void offer_previous_tile(game_state& g);
void offer_next_tile(game_state& g);
// Brings TileCurrent back onto the pile from either end.
void wrap_tile(game_state& g);
void take_hint(game_state& g, rule_events& events);
// A tap on a cell of the board (0..LastCell); true when it placed the last tile.
bool tap_on_board(game_state& g, int cell, rule_events& events);
// The rockets of a miss over their cells (-1 for one off the board): each knocks out what is
// placed there. Where they are is the screen's to say; the rules only know cells.
void rocket_knock_out(game_state& g, const int (&cells)[2], rule_events& events);
// One frame of the level clock, frames_per_second to the second.
void second_tick(game_state& g, int frames_per_second, rule_events& events);
void level_complete(game_state& g, rule_events& events);
