// The game state: plain integers shared by the rules, the levels, the play screen and the saved
// game.
#pragma once

#include <cstdint>

extern int32_t Board[25];
extern int32_t TileList[25];
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
extern int32_t PictureUsed[20];
extern int32_t ShuffleUsed[25];
extern int32_t WaitFrames;
extern int32_t BestScore;
