// The game-play screen: picture preview, play frame, head-up display and the level-complete wait.
#pragma once

void game_frame();
void draw_hud();
// The effects over the board, each frame of play: the rocket trails, the hint marker while it is
// shown, the explosions. Their sparks draw random numbers in this order.
void draw_effects();
