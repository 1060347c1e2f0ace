// The table of levels: one row per level set up, counted while it is played, closed by its end.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "game/level_stats.h"

namespace {

TEST(LevelTable, RowsCountTheirLevelAndKeepWhatItEndedOn) {
    LevelTable.clear();
    Game.Level = 3;
    Game.PictureNumber = 11;
    stats_level_begins();
    stats_tile_placed();
    stats_tile_placed();
    stats_miss();
    stats_hint();
    Game.Score = 120;
    Game.TimeLeft = 200;
    stats_level_ends("cleared");
    // Counts after the end belong to no row; the next level opens its own.
    stats_miss();
    Game.Level = 4;
    Game.PictureNumber = 0;
    stats_level_begins();
    stats_tile_placed();
    Game.Score = 125;
    Game.TimeLeft = 229;
    EXPECT_EQ(level_table_text(), "level picture  score  time placed misses hints end\n"
                                  "    3      12    120   200      2      1     1 cleared\n"
                                  "    4       1    125   229      1      0     0 -\n");
    // The end of the last row takes the score and time of its moment, not the table's.
    stats_level_ends("time up");
    Game.Score = 7;
    EXPECT_EQ(LevelTable.back().score, 125);
    EXPECT_EQ(LevelTable.back().end, "time up");
    LevelTable.clear();
}

} // namespace
