// The desktop window the game's picture is shown in: its size apart from the game's own pixels.
#pragma once

// Whether the video mode asks for a window the player can resize (the picture is then scaled to
// it at its own aspect, centred with bars, and taps are mapped back to the game's pixels).
bool window_resizable();

// The least side, in layout units (times Scale on the screen), of the area a control takes taps
// in. 0 on the desktop: a pointer is exact and a control's area is its drawn box. 27 in a page: 44
// CSS pixels, a fingertip, on a 390-pixel-wide phone, where the 240 units of the game's width
// take 1.625 pixels each.
int window_tap_side();

// Whether the window shows the media set's icon (a page has its own icons).
bool window_shows_icon();

// Gives the game's window w x h pixels on the screen; the game's own size is not changed. False
// where there is no such window (a browser page sizes its canvas itself) or it cannot be sized.
bool window_set_size(int w, int h);

// The space a window's picture may take on the screen it is on: the usable area the window manager
// leaves (without panels and docks), less the window's frame once it is known. False where that
// cannot be told (a page; a classic SDL 1.2).
bool window_usable_area(int* w, int* h);

struct window_size {
    int w, h;
};
// A window of w x h that fits an area of area_w x area_h as it is; a larger one becomes the
// largest of the game's shape (game_w x game_h) that fits.
window_size fit_window(int w, int h, int game_w, int game_h, int area_w, int area_h);

// The video mode opened a window of w x h: a resize to it is not the player's choice.
void window_opened(int w, int h);

// F11 and Alt+Enter: full screen, or back to the resizable window (fitted to the screen); the
// last frame is shown again at once either way.
void window_toggle_full_screen();

// The input layer reports each live resize; a size the game gave the window itself, or the whole
// screen's (full screen's) size, is not a choice; the size the player chose last in this run, if
// any.
void window_note_resize(int w, int h);
bool window_size_chosen(int* w, int* h);

// Whether an event waits in the window's queue. A page cannot look into its queue without taking
// from it, so there the answer is "perhaps": a screen waiting for the player looks again after a
// short rest.
enum class window_event { waiting, none, perhaps };
window_event window_peek_event();
