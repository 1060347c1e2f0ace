// The rules of the board: offering tiles, taps, rockets, hints, the level clock and scoring.
// Nothing here draws or plays: each rule changes the game state and says what happened as a short
// list of events, which the play screen turns into sounds, particles and screen changes.
#pragma once

#include <cstdint>
#include <vector>

// No game comes near this score either way: a won game makes about 7,000, and a knocked-out tile
// only takes back what placing it gave, so hints (-10 for 7 s) bound the low end to a few
// thousand below 0. A saved score beyond it is damage, and the score stops at it rather than
// overflow. add_score returns score + points kept within the limit.
constexpr int32_t ScoreLimit = 10000000;
int32_t add_score(int32_t score, int32_t points);

bool in_rect(int px, int py, int x, int y, int w, int h);
// Cell under a screen point; false when column or row falls outside 0..4.
bool cell_under(int px, int py, int* column, int* row);

enum class rule_event_kind {
    tile_placed,      // cell; last: it was the level's last tile
    rockets_launched, // x, y: where both start (the tapped cell's middle); along_row or its column
    tile_knocked_out, // cell: a rocket met a placed tile there and it went back to the pile
    hint_at,          // cell: the offered tile's home
    level_cleared,    // game_won: it was the last level
    time_up,          // the level's clock ran out
};

struct rule_event {
    rule_event_kind kind;
    int cell = -1;
    int x = 0, y = 0;
    bool along_row = false;
    bool last = false;
    bool game_won = false;
};

// What one rule did, in the order it did it.
using rule_events = std::vector<rule_event>;

// Which way a miss's rockets fly: true along the tapped cell's row, false along its column. The
// game draws it from game_rand() at the moment of the miss; tests may choose instead.
using rocket_line_choice = bool (*)();
bool random_rocket_line();
extern rocket_line_choice choose_rocket_line;

void offer_previous_tile();
void offer_next_tile();
void wrap_tile();
// -10 points and -7 seconds, and the hint shown; nothing when no tile is offered.
rule_events take_hint();
// A tap inside the board rectangle: the offered tile placed, or a miss that launches the rockets.
rule_events tap_on_board(int px, int py);
// The rocket step in its two halves: the move, then (after the rockets are drawn) the knock-outs.
void rocket_move();
rule_events rocket_knock_out();
// The clock's frame; then, when the last tile went down this frame, the level's end, which wins
// over the time running out on the same frame.
rule_events frame_ends(bool last_tile_placed);
void second_tick();
void level_complete();
