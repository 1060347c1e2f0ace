// A paused level: the clock, the rockets and the effects stand still because no frame of play
// runs; the board is covered so that a pause cannot be used to study the picture.
#include "game/pause.h"

#include "game/help.h"
#include "game/hud.h"
#include "game/states.h"
#include "platform/input.h"
#include "text/font.h"
#include "video/board_geometry.h"
#include "video/sprite.h"
#include "video/units.h"
#include "video/video.h"

namespace {

bool pause_key(int key) {
    return key == 'p' || key == KEY_PAUSE || key == KEY_ESCAPE;
}

// The menu's picture over the board, with the menu's fonts, laid out as "Continue game?" is.
void draw_pause_panel() {
    int t = board_edge();
    IntroPicture.BlitPart(t, t, board_size(), board_size(), t, t);
    BigFont.DrawText("Paused", text_centred(95));
    const int line = scaled(18);
    SmallFont.DrawParagraph("Tap or press a key  to go on.", line, text_centred(122), 1);
    SmallFont.DrawParagraph("Escape or M:  save, back to the menu", line, text_centred(160), 1);
    SmallFont.DrawText("F1:  how to play", text_centred(196), 1);
}

} // namespace

pause_outcome pause_frame(bool pausable) {
    int key = key_this_frame(InputState);
    bool asked = pause_key(key) || key == KEY_HELP || InputState.focusLost != 0;
    if (!pausable) {
        // A fade or a won level's wait runs on; the request is kept for the look or the play.
        bool held = GamePause == pause_state::held || asked;
        enter_pause(held ? pause_state::held : pause_state::none);
        return pause_outcome::running;
    }
    if (GamePause == pause_state::none || GamePause == pause_state::held) {
        if (!asked && GamePause == pause_state::none)
            return pause_outcome::running;
        enter_pause(key == KEY_HELP ? pause_state::help : pause_state::paused);
        input_clear_stylus(InputState);
    } else if (GamePause == pause_state::help) {
        // Any key or tap leaves the page for the panel; it does nothing else.
        if (key != 0 || InputState.stylusDown == 1) {
            enter_pause(pause_state::paused);
            input_clear_stylus(InputState);
            InputState.keyPressed = 0;
        }
    } else if (key == KEY_HELP) {
        enter_pause(pause_state::help);
    } else if (key == KEY_ESCAPE || key == 'm') {
        enter_pause(pause_state::none);
        return pause_outcome::to_menu;
    } else if (key != 0 || InputState.stylusDown == 1) {
        // The tap or key that goes on does nothing else: it does not land on the board.
        enter_pause(pause_state::none);
        input_clear_stylus(InputState);
        InputState.keyPressed = 0;
        return pause_outcome::resumed;
    }
    // Drawn again on each event, so a window uncovered or restored shows the panel at once.
    if (GamePause == pause_state::help) {
        draw_help_page();
    } else {
        GameBackground.Blit(0, 0);
        draw_hud();
        draw_pause_panel();
    }
    flip_screen();
    // After a quit request this is the last frame: a wait here would hold the program open until
    // some other event came.
    if (InputState.quit == 0)
        input_wait_for_event();
    return pause_outcome::paused;
}
