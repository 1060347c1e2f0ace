// Pictures in the browser: stb_image decodes, keys become alpha, clipping is done here.
#include "platform/image.h"

#include <climits>
#include <cstring>
#include <map>
#include <string>

#include "platform/image_pixels.h"
#include "platform/picture_size.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_JPEG
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#include <stb_image.h>

namespace {

// The browser's SDL keeps clip rectangles apart from the surface and blits through them wrongly,
// so the rectangles live here and blits are cut to them before SDL sees them.
std::map<SDL_Surface*, SDL_Rect> clips;

SDL_Surface* rgba_surface(int w, int h) {
    return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0x000000ffu, 0x0000ff00u, 0x00ff0000u,
                                0xff000000u);
}

// The pictures that carry a palette: 8-bit (or less) BMPs and palette PNGs.
bool has_palette(const unsigned char* b, int size) {
    if (size > 30 && b[0] == 'B' && b[1] == 'M')
        return (b[28] | b[29] << 8) <= 8;
    if (size > 26 && std::memcmp(b, "\x89PNG", 4) == 0)
        return b[25] == 3;
    return false;
}

} // namespace

SDL_Surface* decode_picture(const unsigned char* bytes, int size, bool key, bool* converting) {
    *converting = false;
    std::string why;
    if (size <= 0 || !picture_acceptable(bytes, static_cast<std::size_t>(size), &why)) {
        SDL_SetError("%s", size <= 0 ? "no bytes" : why.c_str());
        return nullptr;
    }
    int w = 0, h = 0, channels = 0;
    unsigned char* rgba = stbi_load_from_memory(bytes, size, &w, &h, &channels, 4);
    if (!rgba) {
        SDL_SetError("%s", stbi_failure_reason());
        return nullptr;
    }
    *converting = true;
    SDL_Surface* surface = rgba_surface(w, h);
    if (surface) {
        // The browser's SDL has no colour keys: the key colour becomes transparent pixels.
        if (key && has_palette(bytes, size)) {
            uint32_t keyed;
            std::memcpy(&keyed, rgba, 4);
            for (size_t i = 0; i < static_cast<size_t>(w) * static_cast<size_t>(h); i++) {
                uint32_t pixel;
                std::memcpy(&pixel, rgba + 4 * i, 4);
                if (pixel == keyed)
                    rgba[4 * i + 3] = 0;
            }
        }
        SDL_LockSurface(surface);
        for (int y = 0; y < h; y++)
            std::memcpy(static_cast<unsigned char*>(surface->pixels) + y * surface->pitch,
                        rgba + static_cast<size_t>(y) * w * 4, static_cast<size_t>(w) * 4);
        SDL_UnlockSurface(surface);
    }
    stbi_image_free(rgba);
    return surface;
}

SDL_Surface* display_surface_like(SDL_Surface* surface) {
    return rgba_surface(surface->w, surface->h);
}

bool surface_must_lock(SDL_Surface*) {
    // The canvas sees only pixels written between a lock and its unlock.
    return true;
}

void set_clip_rect(SDL_Surface* surface, SDL_Rect* rect) {
    if (rect)
        clips[surface] = *rect;
    else
        clips.erase(surface);
}

static bool cut(int& from, int& to, int& length, int limit_from, int limit_to) {
    if (to < limit_from) {
        from += limit_from - to;
        length -= limit_from - to;
        to = limit_from;
    }
    if (to + length > limit_to)
        length = limit_to - to;
    return length > 0;
}

int blit_surface(SDL_Surface* from, SDL_Rect* from_rect, SDL_Surface* to, SDL_Rect* to_rect) {
    int sx = from_rect ? from_rect->x : 0, sy = from_rect ? from_rect->y : 0;
    int w = from_rect ? from_rect->w : from->w, h = from_rect ? from_rect->h : from->h;
    int dx = to_rect ? to_rect->x : 0, dy = to_rect ? to_rect->y : 0;
    // The source part stays inside the source picture, as SDL keeps it.
    if (!cut(dx, sx, w, 0, from->w) || !cut(dy, sy, h, 0, from->h))
        return 0;
    int cx = 0, cy = 0, cw = to->w, ch = to->h;
    auto clip = clips.find(to);
    if (clip != clips.end()) {
        cx = clip->second.x;
        cy = clip->second.y;
        cw = clip->second.w;
        ch = clip->second.h;
    }
    if (!cut(sx, dx, w, cx, cx + cw) || !cut(sy, dy, h, cy, cy + ch))
        return 0;
    SDL_Rect src = {static_cast<Sint16>(sx), static_cast<Sint16>(sy), static_cast<Uint16>(w),
                    static_cast<Uint16>(h)};
    SDL_Rect dst = {static_cast<Sint16>(dx), static_cast<Sint16>(dy), static_cast<Uint16>(w),
                    static_cast<Uint16>(h)};
    return SDL_BlitSurface(from, &src, to, &dst);
}

bool decode_rgb_pixels(const unsigned char* bytes, std::size_t size, std::vector<std::uint8_t>* rgb,
                       int* w, int* h, std::string* why) {
    if (!photo_acceptable(bytes, size, why))
        return false;
    int channels = 0;
    unsigned char* pixels =
        stbi_load_from_memory(bytes, static_cast<int>(size), w, h, &channels, 3);
    if (!pixels) {
        *why = stbi_failure_reason();
        return false;
    }
    rgb->assign(pixels, pixels + static_cast<std::size_t>(*w) * static_cast<std::size_t>(*h) * 3);
    stbi_image_free(pixels);
    return true;
}
