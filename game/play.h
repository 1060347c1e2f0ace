// The game-play screen: picture preview, play frame, head-up display and the level-complete wait.
#pragma once

#include <cstdint>

struct SDL_Surface;

void game_frame();
void draw_hud();
void draw_line(int x1, int y1, int x2, int y2, uint32_t colour, SDL_Surface* surface);
