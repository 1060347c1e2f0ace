// Level set-up: shuffle, picture choice, the saved game and the fade onto the board.
#pragma once

void setup_level();
