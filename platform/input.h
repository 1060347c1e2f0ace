// The input record the screens read, filled from at most one event per poll.
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
};

extern input_state InputState;

void input_poll(input_state& in);
// A hang-up (the terminal closing) becomes a quit request like a window close: the handler only
// sets a flag, and the next input_poll turns it into InputState.quit for the frame loop to act on.
// SDL already does the same for SIGINT and SIGTERM.
void input_watch_hangup();
void input_reset(input_state& in);
void input_clear_stylus(input_state& in);
void input_arm_lock(input_state& in);
int map_key(int symbol);
// Key codes index a 1000-entry table; anything outside it is folded into slot 0 rather than
// written past the table.
int key_index(int code);
