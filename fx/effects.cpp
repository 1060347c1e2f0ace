// PLACEHOLDER until the effects land.
#include "fx/effects.h"
emitter explosions[5];
int explosion_timers[5];
emitter trails[2];
emitter hint_marker;
void start_explosion(int, int) {}
void update_explosions() {}
void tick_explosions() {}
void clear_explosions() {}
void start_trail(int, int, int, const char*) {}
void start_hint_marker(int, int) {}
