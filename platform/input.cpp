// Input: one event that matters per poll into InputState, with the press lock and the key table.
#include "platform/input.h"

#include <SDL.h>
#include <csignal>
#include <cstring>

#include "platform/clock.h"
#include "platform/window.h"
#include "platform/frame_clock.h"
#include "platform/input_source.h"

input_state InputState;
static SDL_Event Event;
static volatile std::sig_atomic_t HangUp = 0;
static volatile std::sig_atomic_t FocusGone = 0;

static void on_hangup(int) {
    HangUp = 1;
}

void input_watch_hangup() {
#ifdef SIGHUP
    std::signal(SIGHUP, on_hangup);
#endif
}

void input_note_focus_lost() {
    FocusGone = 1;
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

// Sleeps in short steps rather than in SDL_WaitEvent, which a hang-up would not wake; the
// platform's sleep returns to the page in a browser. Twenty wakes a second cost little and
// answer a tap at once to the eye.
static void wait_for_event() {
    if (input_event_source != SDL_PollEvent)
        return;
    while (!HangUp) {
        window_event e = window_peek_event();
        if (e == window_event::waiting)
            return;
        platform_sleep(50);
        if (e == window_event::perhaps)
            return;
    }
}
void (*input_wait_for_event)() = wait_for_event;

int key_this_frame(const input_state& in) {
    return in.keyPressed == 1 ? in.lastKeyDown : 0;
}

// SDL hands a tap left of or above a scaled picture on as a negative position wrapped round its
// 16-bit field, one right of or below it as beyond the screen's size.
static bool inside_picture(int x, int y) {
    const SDL_Surface* s = SDL_GetVideoSurface();
    return !s || (x < s->w && y < s->h);
}

// F11 and Alt+Enter switch between window and full screen on any screen. They are the window's
// business, not the game's: no screen sees them, and a recording being played never switches.
static bool full_screen_key(const SDL_Event& e) {
    SDLKey sym = e.key.keysym.sym;
    return sym == SDLK_F11 ||
           ((sym == SDLK_RETURN || sym == SDLK_KP_ENTER) && (e.key.keysym.mod & KMOD_ALT) != 0);
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
    in.focusLost = 0;
}

void input_clear_stylus(input_state& in) {
    in.pressX = in.pressY = 0;
    in.clickX = in.clickY = 0;
    in.stylusDown = 0;
}

// Whether an event from the live queue or a recording means anything to the game. The rest
// (mouse motion, fingers, window and joystick events, the wheel, a tap on the bars beside the
// picture, a focus gain) are handled here if at all and never take a poll, so a burst of them
// cannot hold back the tap behind it. The pause request a live loss of focus makes does count.
static bool takes_a_poll(SDL_Event& e) {
    bool live = input_event_source == SDL_PollEvent;
    switch (e.type) {
    case SDL_ACTIVEEVENT: {
        // Focus is the desktop's, not the player's: a recorded focus change (older recordings
        // hold them) does nothing, and a timedemo never pauses for its own window's focus. Only
        // a live loss of focus counts, and it is recorded as the pause request it makes, so that
        // a recording of a game that paused plays back with the same pause.
        bool away =
            e.active.gain == 0 && (e.active.state & (SDL_APPINPUTFOCUS | SDL_APPACTIVE)) != 0;
        if (!away || !live)
            return false;
        std::memset(&e, 0, sizeof e);
        e.type = SDL_USEREVENT;
        e.user.code = PauseRequestCode;
        return true;
    }
    case SDL_KEYDOWN:
        if (!full_screen_key(e))
            return true;
        // Not recorded either: replayed without its Alt, Alt+Enter would be a plain Return.
        if (live)
            window_toggle_full_screen();
        return false;
    case SDL_VIDEORESIZE: {
        // The picture keeps its size and is scaled into the window; the size is remembered.
        // Full screen is not a size the player chose for the window.
        const SDL_Surface* s = SDL_GetVideoSurface();
        if (live && s && !(s->flags & SDL_FULLSCREEN))
            window_note_resize(e.resize.w, e.resize.h);
        return false;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        // Any of the three buttons is the stylus; the wheel comes as buttons 4 and 5, a press and
        // a release for each notch, and a scroll is no tap. SDL gives a tap on the bars beside a
        // scaled picture as beyond an edge.
        if (e.button.button < SDL_BUTTON_LEFT || e.button.button > SDL_BUTTON_RIGHT)
            return false;
        return e.type == SDL_MOUSEBUTTONUP || inside_picture(e.button.x, e.button.y);
    case SDL_KEYUP:
    case SDL_QUIT:
        return true;
    case SDL_USEREVENT:
        return e.user.code == PauseRequestCode;
    default:
        return false;
    }
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
    in.focusLost = 0;

    unsigned long poll_number = input_poll_count++;
    bool gone = FocusGone != 0;
    FocusGone = 0;
    if (gone && input_event_source == SDL_PollEvent) {
        // The host saw the game go out of sight (a page hidden or closed): the same pause request
        // a lost window focus makes. A recording being played holds its own.
        std::memset(&Event, 0, sizeof Event);
        Event.type = SDL_USEREVENT;
        Event.user.code = PauseRequestCode;
    } else {
        do {
            if (!input_event_source(&Event))
                return;
        } while (!takes_a_poll(Event));
    }
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
    case SDL_USEREVENT:
        if (Event.user.code == PauseRequestCode)
            in.focusLost = 1;
        break;
    case SDL_QUIT:
        // The window's close button or the desktop asking us to go: end from any screen.
        in.quit = 1;
        break;
    default:
        break;
    }
}
