// The game-play screen: picture preview, play frame, head-up display and the level-complete wait.
#pragma once

void game_frame();
void draw_hud();
// Asked to end (window closed, quit request, a signal) while a level is in progress, from the
// five-second look to the last tile: saves as the menu button does, so nothing is lost. Once the
// level is won and waits for the tap to the next one there is nothing in progress to save.
void save_level_in_progress();
