// The per-level table of a run: what each level ended on, for replays to say what changed.
#pragma once

#include <string>
#include <vector>

// One row per level played: the level, its picture (1..20), the score and time left when it
// ended, the tiles placed, the wrong taps and the hints taken, and how it ended ("cleared",
// "time up", "saved", or "-" while it is still being played).
struct level_row {
    int level = 0;
    int picture = 0;
    int score = 0;
    int time_left = 0;
    int placed = 0;
    int misses = 0;
    int hints = 0;
    std::string end = "-";
};

// The rows of this run, in the order the levels were played (defined in app/globals.cpp).
extern std::vector<level_row> LevelTable;

// A level's board is set up (after a continued game is loaded): a new row opens.
void stats_level_begins();
void stats_tile_placed();
void stats_miss();
void stats_hint();
// The open row takes the score and time left now and how the level ended.
void stats_level_ends(const char* how);
// The table as text, a header line and one line per row, columns aligned.
std::string level_table_text();
