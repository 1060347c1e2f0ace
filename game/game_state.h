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
// Where the two rockets are, in pixels, while RocketMode is 1 (flying along a row, rocket 0 to
// the left) or 2 (along a column, rocket 0 upwards).
extern int32_t RocketX[2];
extern int32_t RocketY[2];
extern int32_t HintActive;
extern int32_t Level;
extern int32_t ContinueFlag;
extern int32_t PictureNumber;
extern int32_t PictureUsed[20];
extern int32_t ShuffleUsed[25];
extern int32_t WaitFrames;
extern int32_t BestScore;
