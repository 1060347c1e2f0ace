// Loading a picture into a sprite from the graphics pack or a loose file.
#include "video/sprite.h"

#include <SDL.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/image.h"
#include "res/pack.h"

int sprite::Load(const char* folder, const char* name, int key) {
    SDL_Surface* loaded = nullptr;
    bool converting = false;
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
        loaded = load_picture_file(path, key == 1, &converting);
    } else {
        int size = 0;
        unsigned char* bytes = read_pack_entry(gfx, name, &size);
        if (!bytes) {
            std::fprintf(stderr, "Couldn't load %s: %s\n", name, pack_error());
            return -1;
        }
        loaded = decode_picture(bytes, size, key == 1, &converting);
        std::free(bytes);
    }
    return Take(loaded, converting, name);
}

int sprite::LoadFile(const char* path) {
    bool converting = false;
    return Take(load_picture_file(path, false, &converting), converting, path);
}

int sprite::Take(SDL_Surface* loaded, bool converting, const char* name) {
    if (!loaded && !converting) {
        std::fprintf(stderr, "Couldn't load %s: %s\n", name, SDL_GetError());
        return -1;
    }

    if (surface)
        SDL_FreeSurface(surface);
    surface = loaded;
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
