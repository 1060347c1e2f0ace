// Drawing a sprite onto the screen: whole, one frame of its grid, a part, and its alpha.
#include "video/sprite.h"

#include <SDL.h>
#include <cmath>
#include <cstdio>

#include "platform/image.h"
#include "video/video.h"

int trunc_to_int(float value) {
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0f)
        return 2147483647;
    if (value <= -2147483648.0f)
        return -2147483647 - 1;
    return static_cast<int>(value);
}

// SDL_Rect keeps 16-bit fields; the narrowing wraps as the rectangle's own types do.
static SDL_Rect make_rect(int x, int y, int w, int h) {
    SDL_Rect r;
    r.x = static_cast<Sint16>(x);
    r.y = static_cast<Sint16>(y);
    r.w = static_cast<Uint16>(w);
    r.h = static_cast<Uint16>(h);
    return r;
}

sprite::~sprite() {
    if (surface)
        SDL_FreeSurface(surface);
}

void sprite::Blit(float at_x, float at_y) {
    SDL_Rect dst = make_rect(trunc_to_int(at_x), trunc_to_int(at_y), 0, 0);
    if (blit_surface(surface, nullptr, screen, &dst) < 0)
        say_blit_error(this, "Blit error: sprite::Blit()\n");
}

void sprite::ChooseBlit(int number, float at_x, float at_y) {
    if (number < 0)
        return;
    // A frame wider than the picture (or none at all) leaves no whole frame in a row: skip.
    if (!(frame_w > 0.0f))
        return;
    int per_row = trunc_to_int(static_cast<float>(w) / frame_w);
    if (per_row <= 0)
        return;
    int column = number % per_row;
    int row = number / per_row;
    SDL_Rect src = make_rect(trunc_to_int(static_cast<float>(column) * frame_w),
                             trunc_to_int(static_cast<float>(row) * frame_h), trunc_to_int(frame_w),
                             trunc_to_int(frame_h));
    SDL_Rect dst = make_rect(trunc_to_int(at_x), trunc_to_int(at_y), 0, 0);
    if (drawing_enabled && blit_surface(surface, &src, screen, &dst) < 0)
        say_blit_error(this, "Blit error: sprite::ChooseBlit(int number)\n");
}

void sprite::BlitPart(int x, int y, int x1, int y1, float at_x, float at_y) {
    SDL_Rect src = make_rect(x, y, x1, y1);
    SDL_Rect dst = make_rect(trunc_to_int(at_x), trunc_to_int(at_y), 0, 0);
    if (drawing_enabled && blit_surface(surface, &src, screen, &dst) < 0)
        say_blit_error(this, "Blit error: sprite::BlitPart(int x, int y, int x1, int y1)\n");
}

void sprite::Alpha(int value) {
    // SDL would dereference a missing surface; report it as the failure it is.
    if (!surface || set_surface_alpha(surface, value & 0xff) < 0)
        std::fputs("Alpha error: sprite::Alpha(int value)", stderr);
}

bool read_sprite_pixels(const sprite& s, const std::function<void(const picture_pixels&)>& read) {
    SDL_Surface* surface = s.surface;
    if (!surface || surface->format->palette || SDL_LockSurface(surface) != 0)
        return false;
    picture_pixels p;
    p.data = static_cast<const std::uint8_t*>(surface->pixels);
    p.w = surface->w;
    p.h = surface->h;
    p.pitch = surface->pitch;
    p.bytes_per_pixel = surface->format->BytesPerPixel;
    p.masks[0] = surface->format->Rmask;
    p.masks[1] = surface->format->Gmask;
    p.masks[2] = surface->format->Bmask;
    read(p);
    SDL_UnlockSurface(surface);
    return true;
}
