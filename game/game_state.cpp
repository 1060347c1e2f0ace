// The game state integers; all zero when the program starts.
#include "game/game_state.h"

int32_t Board[Cells];
int32_t TileList[Cells];
int32_t TileLast;
int32_t TileCurrent;
int32_t Score;
int32_t TimeLeft;
int32_t TimeFrames;
int32_t RocketMode;
rocket_position Rockets[2];
int32_t HintActive;
int32_t Level;
int32_t ContinueFlag;
int32_t PictureNumber;
int32_t PictureUsed[Levels];
int32_t ShuffleUsed[Cells];
int32_t WaitFrames;
int32_t BestScore;

// The frame loop runs while it is set; any screen may end the program by clearing it.
unsigned char GameRunning;
