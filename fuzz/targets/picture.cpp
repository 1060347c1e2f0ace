// Fuzz target: a picture as the game takes it, its header read for its size and, when small, the
// real decoder of its format run on it.
#include <SDL.h>
#include <cstdlib>
#include <string>

#include "fuzz_support.h"
#include "platform/image.h"
#include "platform/picture_size.h"

namespace {

// Decoding ends in the screen's format, so a small screen on SDL's dummy driver is opened once.
bool screen_open() {
    static bool open = [] {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        if (!SDL_GetVideoSurface() &&
            (SDL_Init(SDL_INIT_VIDEO) < 0 || !SDL_SetVideoMode(16, 16, 32, SDL_SWSURFACE)))
            return false;
        return true;
    }();
    return open;
}

// Far below the game's limits, so each run stays quick and small.
constexpr long long DecodedPixelLimit = 1 << 20;

} // namespace

int fuzz_picture(const uint8_t* data, size_t size) {
    long long w = 0, h = 0;
    bool read = picture_header_size(data, size, &w, &h);
    std::string why;
    bool refused = picture_too_large(data, size, &why);
    // Only a size that was read can refuse a picture, and only one beyond a limit.
    FUZZ_CHECK(!refused || read);
    FUZZ_CHECK(refused == !why.empty());
    if (read && !refused)
        FUZZ_CHECK(w <= PictureSideLimit && h <= PictureSideLimit && w * h <= PicturePixelLimit);
    if (read)
        FUZZ_CHECK(w <= 4294967295LL && h <= 4294967295LL && h >= 0);

    // What is acceptable is one of the three formats with a size within the limits.
    why.clear();
    bool acceptable = picture_acceptable(data, size, &why);
    FUZZ_CHECK(acceptable == why.empty());
    FUZZ_CHECK(!acceptable || (picture_format_of(data, size) != picture_format::none && read &&
                               !refused && w >= 1 && h >= 1));
    if (!acceptable || w * h > DecodedPixelLimit || size > 0x7FFFFFFF || !screen_open())
        return 0;
    bool converting = false;
    SDL_Surface* surface =
        decode_picture(data, static_cast<int>(size), (size & 1) != 0, &converting);
    if (surface) {
        // The decoder drew the picture its header promised, not another size.
        FUZZ_CHECK(surface->w == w && surface->h == h);
        SDL_FreeSurface(surface);
    }
    return 0;
}
