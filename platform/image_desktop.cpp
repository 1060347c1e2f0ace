// Pictures on the desktop: SDL_image decodes, SDL keys, converts and clips.
#include "platform/image.h"

#include <SDL_image.h>
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

SDL_Surface* decode_picture(const unsigned char* bytes, int size, bool key, bool* converting) {
    *converting = false;
    std::string why;
    if (size > 0 && picture_too_large(bytes, static_cast<std::size_t>(size), &why)) {
        SDL_SetError("%s", why.c_str());
        return nullptr;
    }
    SDL_RWops* reader = SDL_RWFromMem(const_cast<unsigned char*>(bytes), size);
    if (!reader)
        return nullptr;
    SDL_Surface* decoded = IMG_Load_RW(reader, 0);
    SDL_RWclose(reader);
    return finish(decoded, key, converting);
}

SDL_Surface* load_picture_file(const char* path, bool key, bool* converting) {
    *converting = false;
    // A frame header lies within the first 256 KiB of any picture the game ships.
    if (FILE* f = std::fopen(path, "rb")) {
        static unsigned char head[256 * 1024];
        std::size_t got = std::fread(head, 1, sizeof head, f);
        std::fclose(f);
        std::string why;
        if (picture_too_large(head, got, &why)) {
            SDL_SetError("%s", why.c_str());
            return nullptr;
        }
    }
    return finish(IMG_Load(path), key, converting);
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
    if (!is_jpeg_or_png(bytes, size)) {
        *why = "not a JPEG or PNG picture";
        return false;
    }
    if (picture_too_large(bytes, size, why))
        return false;
    SDL_RWops* reader = SDL_RWFromConstMem(bytes, static_cast<int>(size));
    SDL_Surface* decoded = reader ? IMG_Load_RW(reader, 1) : nullptr;
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
