// Level set-up: shuffle, picture choice, the saved game and the fade onto the board.
#pragma once

class sprite;
struct tile_prints;

void setup_level();

// The prints of a level picture's 25 tiles (Scale from the tile size); false when it is too small.
bool picture_tile_prints(const sprite& picture, int tile_px, tile_prints* out);
