// PLACEHOLDER until the play screen lands: it only flips.
#include "game/play.h"
#include "video/video.h"
void game_frame() { flip_screen(); }
void draw_hud() {}
void draw_line(int, int, int, int, uint32_t, SDL_Surface*) {}
