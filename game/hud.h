// The head-up display under the board: the time bar, the level and the score.
#pragma once

void draw_hud();
