// The game's icon: every theme size drawn the same each time, and the window's BMP as SDL loads it.
#include <gtest/gtest.h>

#include <SDL.h>

#include "tests/support/test_support.h"
#include "tools/icon.h"
#include "tools/media_set.h"

namespace {

struct px {
    int r, g, b, a;
};

px at(const bytes_t& icon, int size, int x, int y) {
    const std::uint8_t* p = &icon[(static_cast<std::size_t>(y) * size + x) * 4];
    return {p[0], p[1], p[2], p[3]};
}

} // namespace

// At every size: clear corners, a covered plate, sky and grass in their tiles, the same bytes on
// every run, and a PNG of that size. At 16 pixels the four tiles still show their picture.
TEST(Icon, EverySizeIsTheSameDrawingAndReadable) {
    for (int size : kIconSizes) {
        SCOPED_TRACE(size);
        bytes_t icon = draw_icon(size);
        ASSERT_EQ(icon.size(), static_cast<std::size_t>(size) * size * 4);
        EXPECT_EQ(icon, draw_icon(size));
        EXPECT_EQ(at(icon, size, 0, 0).a, 0);
        EXPECT_EQ(at(icon, size, size - 1, size - 1).a, 0);
        px plate = at(icon, size, size / 2, size / 64 + 1);
        EXPECT_EQ(plate.a, 255);
        EXPECT_LT(plate.r + plate.g + plate.b, 300); // the dark plate between the tiles' rims
        px sky = at(icon, size, size / 4, size / 4);
        EXPECT_GT(sky.b, sky.r + 60);
        px grass = at(icon, size, size / 4, size * 3 / 4);
        EXPECT_GT(grass.g, grass.r + 60);
        EXPECT_GT(grass.g, grass.b + 60);
        rgb_image decoded;
        std::string error;
        ASSERT_TRUE(decode_png(icon_png(size), &decoded, &error)) << error;
        EXPECT_EQ(decoded.w, size);
        EXPECT_EQ(decoded.h, size);
    }
}

// icon.bmp is in the media set, 64 x 64 at 24 bits, and magenta exactly where the icon is less
// than half covered.
TEST(Icon, WindowIconIsKeyedMagentaWhereUncovered) {
    bytes_t bmp = icon_bmp();
    media_set set = build_media(1);
    bool in_set = false;
    for (const named_bytes& f : set.loose)
        in_set = in_set || (f.name == "icon.bmp" && f.data == bmp);
    EXPECT_TRUE(in_set);

    SDL_Surface* s =
        SDL_LoadBMP_RW(SDL_RWFromConstMem(bmp.data(), static_cast<int>(bmp.size())), 1);
    ASSERT_NE(s, nullptr) << SDL_GetError();
    EXPECT_EQ(s->w, 64);
    EXPECT_EQ(s->h, 64);
    EXPECT_EQ(s->format->BitsPerPixel, 24);
    bytes_t icon = draw_icon(64);
    int keyed = 0, wrong = 0;
    SDL_LockSurface(s);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * 3;
            Uint32 v = p[0] | (p[1] << 8) | (p[2] << 16);
            Uint8 r, g, b;
            SDL_GetRGB(v, s->format, &r, &g, &b);
            bool magenta = r == 255 && g == 0 && b == 255;
            bool uncovered = at(icon, 64, x, y).a < 128;
            keyed += magenta;
            wrong += magenta != uncovered;
        }
    }
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(keyed, 40); // the four rounded corners
}

// The theme tree the install takes: one PNG per size, in SIZExSIZE/apps/.
TEST(Icon, ThemeTreeHoldsEverySize) {
    temp_dir dir;
    std::string error;
    ASSERT_TRUE(write_icon_theme(dir.path() + "hicolor", &error)) << error;
    for (int size : kIconSizes) {
        std::string s = std::to_string(size);
        bytes_t png;
        ASSERT_TRUE(
            read_whole_file(dir.path() + "hicolor/" + s + "x" + s + "/apps/tessoli.png", &png));
        EXPECT_EQ(png, icon_png(size));
    }
}
