// The game's effects: explosions in five slots, the two rocket trails and the hint marker.
#pragma once

#include "fx/emitter.h"

extern emitter explosions[5];
extern int explosion_timers[5];
extern emitter trails[2];
extern emitter hint_marker;

void start_explosion(int x, int y);
void update_explosions();
void tick_explosions();
void clear_explosions();
void start_trail(int slot, int x, int y, const char* direction);
// Plays the hint sound and starts the marker; the caller shows it (HintActive).
void start_hint_marker(int x, int y);
