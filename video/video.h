// The display: video mode, the visible screen, its three back buffers and the pixel helpers.
#pragma once

#include <cstdint>

struct SDL_Surface;

extern SDL_Surface* screen;
extern SDL_Surface* screen2[3];
extern int screen_w;
extern int screen_h;
extern int drawing_enabled;

// Desktop option: a plain window of the mode's size instead of the full screen.
extern int VideoWindowed;

void init_video(const char* caption, int width, int height);
void enable_drawing(int on);
void flip_screen();

void screen_screen2(int n);
void screen2_screen(int n);
void screen2_screen(int n, int pos_x, int pos_y);
void screen2_screen(int n, int pos_x, int pos_y, int x, int y, int x1, int y1);

void set_clip(int x, int y, int w, int h, SDL_Surface* surface);
uint32_t map_rgb(int r, int g, int b);
// Fills a rectangle of the screen with one colour.
void fill_screen_rect(int x, int y, int w, int h, uint32_t colour);
void put_pixel(int x, int y, uint32_t value, SDL_Surface* surface);
// A line of single pixels from (x1, y1) to (x2, y2), both ends included; the caller locks.
void draw_line(int x1, int y1, int x2, int y2, uint32_t colour, SDL_Surface* surface);
void lock_surface(SDL_Surface* surface);
void unlock_surface(SDL_Surface* surface);
void free_screen2();
// A broken picture fails at every frame it is drawn: each failing drawing (a sprite or a
// screen copy, and the call that drew it) is said once with its line, the repeats only counted.
void say_blit_error(const void* source, const char* line);
// At exit: one line with the count of failed drawings when any was not said again; then every
// drawing may be said anew (a later run in the same process says its own).
void say_blit_errors_at_exit();
// Per-surface alpha 0..255 for later blits; SDL_SetAlpha's result. Fully opaque is set as a plain
// copy: the same pixels, and SDL 1.2 on SDL2 blends an opaque surface alpha through its slowest
// path.
int set_surface_alpha(SDL_Surface* surface, int alpha);

// Pieces of init_video kept apart so they can be checked without a display.
int video_depth_for(int desktop_bpp); // prints "forced 16 bpp mode\n" when it forces 16
