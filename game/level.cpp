// PLACEHOLDER until levels land.
#include "game/level.h"
void setup_level() {}
