// Loading a picture into a sprite from the graphics pack or a loose file.
#include "video/sprite.h"

#include <SDL.h>
#include <SDL_image.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "res/pack.h"

int sprite::Load(const char* folder, const char* name, int key) {
    SDL_Surface* decoded = nullptr;
    if (gfx.count == 0) {
        char path[256];
        size_t a = std::strlen(folder);
        size_t b = std::strlen(name);
        if (a + b > 255) {
            std::fprintf(stderr, "Couldn't load %s: %s\n", name, "path too long");
            return -1;
        }
        std::memcpy(path, folder, a);
        std::memcpy(path + a, name, b + 1);
        decoded = IMG_Load(path);
    } else {
        int size = 0;
        unsigned char* bytes = read_pack_entry(gfx, name, &size);
        if (!bytes) {
            std::fprintf(stderr, "Couldn't load %s: %s\n", name, pack_error());
            return -1;
        }
        SDL_RWops* reader = SDL_RWFromMem(bytes, size);
        if (reader) {
            decoded = IMG_Load_RW(reader, 0);
            SDL_RWclose(reader);
        }
        std::free(bytes);
    }
    if (!decoded) {
        std::fprintf(stderr, "Couldn't load %s: %s\n", name, SDL_GetError());
        return -1;
    }

    // Palette pictures (glyph and rocket sheets) are keyed on their top-left pixel's index.
    if (key == 1 && decoded->format->palette) {
        SDL_LockSurface(decoded);
        Uint8 index = decoded->pixels ? static_cast<Uint8*>(decoded->pixels)[0] : 0;
        SDL_UnlockSurface(decoded);
        SDL_SetColorKey(decoded, SDL_SRCCOLORKEY, index);
    }

    if (surface)
        SDL_FreeSurface(surface);
    surface = SDL_DisplayFormat(decoded);
    SDL_FreeSurface(decoded);
    if (!surface) {
        std::fprintf(stderr, "Couldn't convert image: %s\n", SDL_GetError());
        return -1;
    }
    w = surface->w;
    h = surface->h;
    frame_w = static_cast<float>(w);
    frame_h = static_cast<float>(h);
    return 0;
}
