// The per-level table of a run: rows opened by the level set-up, counted by the play screen.
#include "game/level_stats.h"

#include <cstdio>

#include "game/game_state.h"

namespace {

level_row* open_row() {
    if (LevelTable.empty() || LevelTable.back().end != "-")
        return nullptr;
    return &LevelTable.back();
}

} // namespace

void stats_level_begins() {
    // A row still open belongs to a level left without one of the endings the play screen counts.
    level_row row;
    row.level = Game.Level;
    row.picture = Game.PictureNumber + 1;
    if (level_row* open = open_row()) {
        open->score = Game.Score;
        open->time_left = Game.TimeLeft;
        open->end = "left";
    }
    LevelTable.push_back(row);
}

void stats_tile_placed() {
    if (level_row* row = open_row())
        row->placed += 1;
}

void stats_miss() {
    if (level_row* row = open_row())
        row->misses += 1;
}

void stats_hint() {
    if (level_row* row = open_row())
        row->hints += 1;
}

void stats_level_ends(const char* how) {
    if (level_row* row = open_row()) {
        row->score = Game.Score;
        row->time_left = Game.TimeLeft;
        row->end = how;
    }
}

std::string level_table_text() {
    std::string out = "level picture  score  time placed misses hints end\n";
    char line[128];
    for (const level_row& r : LevelTable) {
        // A level still being played shows the score and time of the moment the table is made.
        bool open = r.end == "-";
        std::snprintf(line, sizeof line, "%5d %7d %6d %5d %6d %6d %5d %s\n", r.level, r.picture,
                      open ? Game.Score : r.score, open ? Game.TimeLeft : r.time_left, r.placed,
                      r.misses, r.hints, r.end.c_str());
        out += line;
    }
    return out;
}
