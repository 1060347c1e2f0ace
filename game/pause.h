// A paused level: what starts a pause, the panel that covers the board, and what goes on.
#pragma once

enum class pause_outcome {
    running, // not paused: the frame goes on as usual
    paused,  // the frame was the pause's own (panel drawn, an event waited for)
    to_menu, // the player asked to leave: the menu button's save and back to the menu
};

// Called first on each frame of a level; pausable while the picture is looked at or played
// (not during a fade, nor once the level is won). A pause key (P, Pause, Escape) or the window
// going out of focus starts a pause; while paused a tap or a key goes on without acting, and
// Escape or M leaves for the menu.
pause_outcome pause_frame(bool pausable);
