// The input record the screens read, filled from at most one event that matters per poll.
#pragma once

enum {
    KEY_LEFT = 501,
    KEY_RIGHT = 502,
    KEY_DOWN = 503,
    KEY_UP = 504,
    KEY_ACTION = 505,
    KEY_APP1 = 506,
    KEY_APP2 = 507,
    KEY_APP3 = 508,
    KEY_APP4 = 509,
};

// Desktop keys the screens answer, by their SDL key symbols (letters are their lower-case
// characters; Return arrives as KEY_ACTION through the key table).
enum {
    KEY_PAUSE = 19,
    KEY_ESCAPE = 27,
    KEY_SPACE = 32,
    KEY_ARROW_RIGHT = 275,
    KEY_ARROW_LEFT = 276,
};

struct input_state {
    unsigned char keys[1000];
    unsigned char keyPressed;
    int pressX, pressY;
    int clickX, clickY;
    unsigned char stylusDown;
    int lastKeyDown;
    int lastKeyUp;
    int quit;
    int lockFrames;
    int lockLength;
    // The window lost the input focus or was minimised or hidden on this poll (live, or the
    // pause request a recording holds for it).
    int focusLost;
};

extern input_state InputState;

void input_poll(input_state& in);
// The key pressed on this frame's poll (after the key table), or 0: a key acts once, on the
// frame it goes down, as a tap does.
int key_this_frame(const input_state& in);
// Blocks until an event is pending (or a hang-up came), for a screen with nothing to do until
// the player acts. Returns at once while a recording plays. Tests replace it.
extern void (*input_wait_for_event)();
// A hang-up (the terminal closing) becomes a quit request like a window close: the handler only
// sets a flag, and the next input_poll turns it into InputState.quit for the frame loop to act on.
// SDL already does the same for SIGINT and SIGTERM.
void input_watch_hangup();
// The host saw the game go out of sight (a page hidden or closed): the next poll makes the pause
// request a lost window focus makes. Safe to call between frames from the host's own callbacks.
void input_note_focus_lost();
void input_reset(input_state& in);
void input_clear_stylus(input_state& in);
void input_arm_lock(input_state& in);
int map_key(int symbol);
// Key codes index a 1000-entry table; anything outside it is folded into slot 0 rather than
// written past the table.
int key_index(int code);
