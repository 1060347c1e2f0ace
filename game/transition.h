// The picture transition: how every screen changes its full-screen picture.
#pragma once

// begin keeps the old picture in back buffer 0; the caller draws the new one; end keeps it in
// back buffer 1, shows the old one again, starts the one-second cross-fade and enters the phase
// "przejscie obrazek".
void begin_picture_transition();
void end_picture_transition();
