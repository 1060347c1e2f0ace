// The two units the game is written in (Scale and the frames that make one second), rectangles of
// the layout and their one scaling to pixels, and the area a control takes taps in.
#pragma once

#include "platform/window.h"

// Every layout number is given for a 240 x 320 screen and multiplied by Scale; every duration is
// counted in frames, FramesPerSecond of them to the second. Both are set by the program, above
// every layer that reads them (Scale by start-up from config.tll, FramesPerSecond by the frame
// loop from the frame clock's period), and defined with the video layer in video/video.cpp;
// declared here at the bottom of the drawing layers so that effects, the game and the screens
// read them without reaching up.
extern int Scale;
extern int FramesPerSecond;
// The game's frame rate: FramesPerSecond starts at it and start-up sets the frame clock's period
// from it.
constexpr int FrameRate = 25;

// A rectangle of the 240 x 320 layout, in layout units; scaled() gives it in pixels at Scale.
struct layout_rect {
    float x, y, w, h;
};
// The same in the screen's pixels, kept in float as sprites are placed (a blit cuts toward zero).
struct pixel_rect {
    float x, y, w, h;
};

// Layout units to pixels at the current Scale: whole units to whole pixels, the half units of the
// board's edge and the offered tile to float pixels.
inline int scaled(int units) {
    return units * Scale;
}
inline float scaled(float units) {
    return units * static_cast<float>(Scale);
}
inline pixel_rect scaled(const layout_rect& r) {
    return {scaled(r.x), scaled(r.y), scaled(r.w), scaled(r.h)};
}

// Whether a tap at (px, py) lands on a control drawn in the box (x, y, w, h), all in the screen's
// pixels: the box itself, grown about its centre to the platform's least tap side where it is
// smaller (the desktop's areas are the drawn boxes).
inline bool in_tap_area(float px, float py, float x, float y, float w, float h) {
    float side = static_cast<float>(window_tap_side() * Scale);
    if (w < side) {
        x -= (side - w) / 2;
        w = side;
    }
    if (h < side) {
        y -= (side - h) / 2;
        h = side;
    }
    return px > x && px < x + w && py > y && py < y + h;
}
inline bool in_tap_area(float px, float py, const pixel_rect& box) {
    return in_tap_area(px, py, box.x, box.y, box.w, box.h);
}
