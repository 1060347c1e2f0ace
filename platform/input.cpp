// Input: one SDL event per poll into InputState, with the press lock and the key table.
#include "platform/input.h"

#include <SDL.h>
#include <csignal>

#include "platform/frame_clock.h"
#include "platform/input_source.h"

input_state InputState;
static SDL_Event Event;
static volatile std::sig_atomic_t HangUp = 0;

static void on_hangup(int) {
    HangUp = 1;
}

void input_watch_hangup() {
#ifdef SIGHUP
    std::signal(SIGHUP, on_hangup);
#endif
}

int (*input_event_source)(SDL_Event* event) = SDL_PollEvent;
void (*input_event_observer)(unsigned long poll_number, const SDL_Event* event) = nullptr;
unsigned long input_poll_count;

int map_key(int symbol) {
    switch (symbol) {
    case 37: // the handheld's left-arrow code
    case 52: // '4' on a phone keypad
        return KEY_LEFT;
    case 39:
    case 54:
        return KEY_RIGHT;
    case 40:
    case 56:
        return KEY_DOWN;
    case 38:
    case 50:
        return KEY_UP;
    case 13:
    case 53:
        return KEY_ACTION;
    case 49:
    case 193:
        return KEY_APP1;
    case 55:
    case 194:
        return KEY_APP2;
    case 51:
    case 195:
        return KEY_APP3;
    case 57:
    case 196:
        return KEY_APP4;
    default:
        return symbol;
    }
}

int key_index(int code) {
    return (code >= 0 && code < 1000) ? code : 0;
}

void input_arm_lock(input_state& in) {
    in.lockFrames = in.lockLength;
    in.keyPressed = 0;
}

void input_reset(input_state& in) {
    for (unsigned char& k : in.keys)
        k = 0;
    in.keyPressed = 0;
    in.pressX = in.pressY = 0;
    in.clickX = in.clickY = 0;
    in.stylusDown = 0;
    in.lastKeyDown = 0;
    in.lastKeyUp = 0;
    in.quit = 0;
    in.lockFrames = 0;
    in.lockLength = derived_frames_per_second();
}

void input_clear_stylus(input_state& in) {
    in.pressX = in.pressY = 0;
    in.clickX = in.clickY = 0;
    in.stylusDown = 0;
}

void input_poll(input_state& in) {
    if (in.keyPressed == 1)
        input_arm_lock(in);
    if (in.lockFrames > 0)
        in.lockFrames--;
    if (in.lockFrames == 0 && in.stylusDown == 1) {
        in.clickX = in.pressX;
        in.clickY = in.pressY;
        input_arm_lock(in);
    }

    if (HangUp)
        in.quit = 1;

    unsigned long poll_number = input_poll_count++;
    if (!input_event_source(&Event))
        return;
    if (input_event_observer)
        input_event_observer(poll_number, &Event);

    switch (Event.type) {
    case SDL_MOUSEBUTTONDOWN:
        if (in.lockFrames == 0) {
            in.pressX = in.clickX = Event.button.x;
            in.pressY = in.clickY = Event.button.y;
            in.stylusDown = 1;
        }
        break;
    case SDL_MOUSEBUTTONUP:
        in.pressX = in.pressY = 0;
        in.clickX = in.clickY = 0;
        in.stylusDown = 0;
        in.lockFrames = 0;
        break;
    case SDL_KEYDOWN:
        if (in.lockFrames == 0) {
            int code = map_key(Event.key.keysym.sym);
            in.lastKeyDown = code;
            in.keys[key_index(code)] = 1;
            in.keyPressed = 1;
        }
        break;
    case SDL_KEYUP: {
        int code = map_key(Event.key.keysym.sym);
        in.lastKeyUp = code;
        in.keys[key_index(code)] = 0;
        in.lockFrames = 0;
        break;
    }
    case SDL_QUIT:
        // The window's close button or the desktop asking us to go: end from any screen.
        in.quit = 1;
        break;
    default:
        break;
    }
}
