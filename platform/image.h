// Pictures and surfaces where desktop SDL and the browser's SDL differ: decoding, keys, blits.
#pragma once

#include <SDL.h>

// Decodes a JPEG, PNG or BMP held in memory into a surface ready to blit on the screen. With key
// set, a palette picture's top-left colour is see-through. Null on failure; SDL_GetError says why,
// and *converting tells whether decoding worked and only the conversion failed.
SDL_Surface* decode_picture(const unsigned char* bytes, int size, bool key, bool* converting);

// The same for a loose picture file.
SDL_Surface* load_picture_file(const char* path, bool key, bool* converting);

// A new surface in the screen's format and the size of the one given (the back buffers).
SDL_Surface* display_surface_like(SDL_Surface* surface);

// Whether pixels may only be touched between SDL_LockSurface and SDL_UnlockSurface.
bool surface_must_lock(SDL_Surface* surface);

// Sets (or with null clears) the rectangle blits onto the surface are clipped to.
void set_clip_rect(SDL_Surface* surface, SDL_Rect* rect);

// SDL_BlitSurface, honouring the destination's clip rectangle on every platform.
int blit_surface(SDL_Surface* from, SDL_Rect* from_rect, SDL_Surface* to, SDL_Rect* to_rect);
