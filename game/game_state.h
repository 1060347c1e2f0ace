// The game state: plain integers shared by the rules, the levels, the play screen and the saved
// game.
#pragma once

#include <cstddef>
#include <cstdint>

#include "video/board_geometry.h" // BoardCells

// The game's own numbers, named once: the rules, the levels, the saved game and its check read
// them here.
constexpr int Cells = BoardCells * BoardCells; // tiles of a picture, cells of the board
constexpr int LastCell = Cells - 1;
constexpr int Levels = 20; // a game, and the pictures it takes one each
constexpr int SecondsPerLevel = 230;
constexpr int PlacePoints = 5;    // a tile placed
constexpr int KnockOutPoints = 5; // lost for each placed tile a rocket knocks out
constexpr int HintPoints = 10;
constexpr int HintSeconds = 7;

// The cell at a column and row of the board.
constexpr int cell_at(int column, int row) {
    return row * BoardCells + column;
}

// Everything a game is, as one value: the rules take it and change it over cells; the saved game
// writes and reads it, and a recording hashes it. Where the screen puts things (pixels, Scale) is
// the play screen's business, never the state's.
struct game_state {
    int32_t Board[Cells];    // 1 where the cell's own tile is placed
    int32_t TileList[Cells]; // the pile: the cells whose tiles are still to place, 0..TileLast
    int32_t TileLast;        // the last place of the pile in use; -1 when it is empty
    int32_t TileCurrent;     // the place of the offered tile in the pile
    int32_t Score;
    int32_t TimeLeft;   // seconds of the level
    int32_t TimeFrames; // frames into the current second
    int32_t RocketMode; // 0 none, 1 the rockets of a miss fly along its row, 2 along its column
    int32_t HintActive;
    int32_t Level; // 1..Levels; Levels + 1 once the game is won
    int32_t ContinueFlag;
    int32_t PictureNumber;
    int32_t PictureUsed[Levels];
    int32_t ShuffleUsed[Cells];
    int32_t WaitFrames;
    int32_t BestScore;
    // For each tile, the cells whose tiles look the same (bit n for cell n), found when the level
    // is set up; neither saved nor hashed, since the picture gives them again.
    uint32_t TileTwins[Cells];
};

// The game being played; all zero when the program starts.
extern game_state Game;

// The state's hash for recordings: FNV-1a over h, every field in a fixed order.
uint64_t hash_game_state(uint64_t h, const game_state& g);
// FNV-1a over size bytes, going on from h.
uint64_t fnv(uint64_t h, const void* data, size_t size);
