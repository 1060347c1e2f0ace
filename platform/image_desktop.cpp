// Pictures on the desktop: SDL_image decodes, SDL keys, converts and clips.
#include "platform/image.h"

#include <SDL_image.h>
#include <cstdio>
#include <string>

#include "platform/files.h"
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
    if (size <= 0 || !picture_acceptable(bytes, static_cast<std::size_t>(size), &why)) {
        SDL_SetError("%s", size <= 0 ? "no bytes" : why.c_str());
        return nullptr;
    }
    SDL_RWops* reader = SDL_RWFromMem(const_cast<unsigned char*>(bytes), size);
    if (!reader)
        return nullptr;
    // The decoder of the format the bytes name, never one SDL_image would guess from them.
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
    return finish(decoded, key, converting);
}

SDL_Surface* load_picture_file(const char* path, bool key, bool* converting) {
    *converting = false;
    std::string bytes, why;
    if (read_regular_file(path, PictureFileLimit, &bytes, &why) != file_read::done) {
        SDL_SetError("%s", why.c_str());
        return nullptr;
    }
    return decode_picture(reinterpret_cast<const unsigned char*>(bytes.data()),
                          static_cast<int>(bytes.size()), key, converting);
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
