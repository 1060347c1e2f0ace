// A paused level: what starts a pause, the panel that covers the board, and what goes on.
#pragma once

enum class pause_outcome {
    running, // not paused: the frame goes on as usual
    resumed, // the pause ended on this frame: the frame goes on, and draws its whole screen anew
    paused,  // the frame was the pause's own (panel or help page drawn, an event waited for)
    to_menu, // the player asked to leave: the menu button's save and back to the menu
};

// Called first on each frame of a level; pausable while the picture is looked at or played.
// A pause key (P, Pause, Escape), F1 (the help page) or the window going out of focus starts a
// pause; asked for during a fade or while a won level waits for its tap, the pause is held and
// taken on the first frame that can pause. While paused a tap or a key goes on without acting,
// F1 shows the help page (any key or tap back to the panel), and Escape or M leaves for the menu.
pause_outcome pause_frame(bool pausable);
