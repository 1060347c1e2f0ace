// The game-play screen: picture preview, play frame, head-up display and the level-complete wait.
#pragma once

void game_frame();
void draw_hud();
