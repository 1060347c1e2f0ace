// The game state: plain integers shared by the rules, the levels, the play screen and the saved
// game.
#pragma once

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

extern int32_t Board[Cells];
extern int32_t TileList[Cells];
extern int32_t TileLast;
extern int32_t TileCurrent;
extern int32_t Score;
extern int32_t TimeLeft;
extern int32_t TimeFrames;
extern int32_t RocketMode;
// Where the two rockets of a miss are (screen pixels); the trails of sparks follow them.
struct rocket_position {
    int32_t x, y;
};
extern rocket_position Rockets[2];
extern int32_t HintActive;
extern int32_t Level;
extern int32_t ContinueFlag;
extern int32_t PictureNumber;
extern int32_t PictureUsed[Levels];
extern int32_t ShuffleUsed[Cells];
extern int32_t WaitFrames;
extern int32_t BestScore;
