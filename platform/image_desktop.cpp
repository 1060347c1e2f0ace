// Pictures on the desktop: SDL_image decodes, SDL keys, converts and clips.
#include "platform/image.h"

#include <SDL_image.h>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/image_pixels.h"
#include "platform/picture_size.h"

static SDL_Surface* finish(SDL_Surface* decoded, bool key, bool* converting) {
    if (!decoded)
        return nullptr;
    // Palette pictures (glyph and rocket sheets) are keyed on their top-left pixel's index.
    if (key && decoded->format->palette) {
        SDL_LockSurface(decoded);
        Uint8 index = decoded->pixels ? static_cast<Uint8*>(decoded->pixels)[0] : 0;
        SDL_UnlockSurface(decoded);
        SDL_SetColorKey(decoded, SDL_SRCCOLORKEY, index);
    }
    *converting = true;
    SDL_Surface* surface = SDL_DisplayFormat(decoded);
    SDL_FreeSurface(decoded);
    return surface;
}

// Bytes that passed the picture guard, by the decoder of the format they name, never one SDL_image
// would guess from them.
static SDL_Surface* decode_acceptable(const unsigned char* bytes, int size) {
    SDL_RWops* reader = SDL_RWFromMem(const_cast<unsigned char*>(bytes), size);
    if (!reader)
        return nullptr;
    SDL_Surface* decoded = nullptr;
    switch (picture_format_of(bytes, static_cast<std::size_t>(size))) {
    case picture_format::jpeg:
        decoded = IMG_LoadJPG_RW(reader);
        break;
    case picture_format::png:
        decoded = IMG_LoadPNG_RW(reader);
        break;
    case picture_format::bmp:
        decoded = IMG_LoadBMP_RW(reader);
        break;
    case picture_format::none:
        break;
    }
    SDL_RWclose(reader);
    return decoded;
}

SDL_Surface* decode_picture(const unsigned char* bytes, int size, bool key, bool* converting) {
    *converting = false;
    std::string why;
    if (size <= 0 || !picture_acceptable(bytes, static_cast<std::size_t>(size), &why)) {
        SDL_SetError("%s", size <= 0 ? "no bytes" : why.c_str());
        return nullptr;
    }
    return finish(decode_acceptable(bytes, size), key, converting);
}

SDL_Surface* display_surface_like(SDL_Surface* surface) {
    return SDL_DisplayFormat(surface);
}

bool surface_must_lock(SDL_Surface* surface) {
    return surface->offset != 0 ||
           (surface->flags & (SDL_HWSURFACE | SDL_ASYNCBLIT | SDL_RLEACCEL)) != 0;
}

void set_clip_rect(SDL_Surface* surface, SDL_Rect* rect) {
    SDL_SetClipRect(surface, rect);
}

int blit_surface(SDL_Surface* from, SDL_Rect* from_rect, SDL_Surface* to, SDL_Rect* to_rect) {
    return SDL_BlitSurface(from, from_rect, to, to_rect);
}

bool decode_rgb_pixels(const unsigned char* bytes, std::size_t size, std::vector<std::uint8_t>* rgb,
                       int* w, int* h, std::string* why) {
    if (!photo_acceptable(bytes, size, why))
        return false;
    SDL_Surface* decoded = decode_acceptable(bytes, static_cast<int>(size));
    if (!decoded) {
        *why = SDL_GetError();
        return false;
    }
    // Red, green and blue as consecutive bytes, whatever the machine's byte order.
    SDL_PixelFormat format = {};
    format.BitsPerPixel = 24;
    format.BytesPerPixel = 3;
#if SDL_BYTEORDER == SDL_BIG_ENDIAN
    format.Rmask = 0xff0000u, format.Gmask = 0x00ff00u, format.Bmask = 0x0000ffu;
    format.Rshift = 16, format.Gshift = 8, format.Bshift = 0;
#else
    format.Rmask = 0x0000ffu, format.Gmask = 0x00ff00u, format.Bmask = 0xff0000u;
    format.Rshift = 0, format.Gshift = 8, format.Bshift = 16;
#endif
    SDL_Surface* plain = SDL_ConvertSurface(decoded, &format, SDL_SWSURFACE);
    SDL_FreeSurface(decoded);
    if (!plain || SDL_LockSurface(plain) != 0) {
        *why = SDL_GetError();
        if (plain)
            SDL_FreeSurface(plain);
        return false;
    }
    *w = plain->w;
    *h = plain->h;
    const std::size_t row = static_cast<std::size_t>(plain->w) * 3;
    rgb->resize(row * static_cast<std::size_t>(plain->h));
    for (int y = 0; y < plain->h; ++y)
        std::memcpy(rgb->data() + row * static_cast<std::size_t>(y),
                    static_cast<const unsigned char*>(plain->pixels) + y * plain->pitch, row);
    SDL_UnlockSurface(plain);
    SDL_FreeSurface(plain);
    return true;
}
