// The picture transition: how every screen changes its full-screen picture.
#pragma once

#include "game/states.h"

// begin keeps the old picture in back buffer 0; the caller draws the new one; end keeps it in
// back buffer 1, shows the old one again, starts the one-second cross-fade and enters the phase
// that paints it ("przejscie obrazek", or the play screen's second fade "przejscie obrazek2").
void begin_picture_transition();
void end_picture_transition(phases::id phase = phases::przejscie_obrazek);
