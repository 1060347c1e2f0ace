// The game's icon: every theme size drawn the same each time, and the window's BMP as SDL loads it.
#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <utility>

#include "tests/support/test_support.h"
#include "tools/icon.h"
#include "tools/image_io.h"

namespace {

struct px {
    int r, g, b, a;
};

px at(const bytes_t& icon, int size, int x, int y) {
    const std::uint8_t* p = &icon[(static_cast<std::size_t>(y) * size + x) * 4];
    return {p[0], p[1], p[2], p[3]};
}

} // namespace

// The theme tree the install takes: at every size one PNG in SIZExSIZE/apps/, the same drawing on
// every run, with clear corners, a covered plate, sky and grass in their tiles. At 16 pixels the
// four tiles still show their picture.
TEST(Icon, ThemeTreeHoldsTheSameDrawingAtEverySize) {
    temp_dir dir;
    std::string error;
    ASSERT_TRUE(write_icon_theme(dir.path() + "hicolor", &error)) << error;
    for (int size : kIconSizes) {
        SCOPED_TRACE(size);
        std::string s = std::to_string(size);
        bytes_t png;
        ASSERT_TRUE(
            read_whole_file(dir.path() + "hicolor/" + s + "x" + s + "/apps/tessoli.png", &png));
        EXPECT_EQ(png, icon_png(size));
        rgb_image decoded;
        ASSERT_TRUE(decode_png(png, &decoded, &error)) << error;
        EXPECT_EQ(std::make_pair(decoded.w, decoded.h), std::make_pair(size, size));
        bytes_t icon = draw_icon(size);
        EXPECT_EQ(at(icon, size, 0, 0).a + at(icon, size, size - 1, size - 1).a, 0);
        px plate = at(icon, size, size / 2, size / 64 + 1);
        EXPECT_EQ(plate.a, 255);
        EXPECT_LT(plate.r + plate.g + plate.b, 300); // the dark plate between the tiles' rims
        px sky = at(icon, size, size / 4, size / 4);
        EXPECT_GT(sky.b, sky.r + 60);
        px grass = at(icon, size, size / 4, size * 3 / 4);
        EXPECT_GT(grass.g, std::max(grass.r, grass.b) + 60);
    }
}

// icon.bmp is in the media set, 64 x 64 at 24 bits, and magenta exactly where the icon is less
// than half covered.
TEST(Icon, WindowIconIsKeyedMagentaWhereUncovered) {
    bytes_t bmp = icon_bmp();
    EXPECT_EQ(read_file(media_root() + "/media-s1/icon.bmp"), std::string(bmp.begin(), bmp.end()));

    SDL_Surface* s =
        SDL_LoadBMP_RW(SDL_RWFromConstMem(bmp.data(), static_cast<int>(bmp.size())), 1);
    ASSERT_NE(s, nullptr) << SDL_GetError();
    EXPECT_EQ(s->w, 64);
    EXPECT_EQ(s->h, 64);
    EXPECT_EQ(s->format->BitsPerPixel, 24);
    bytes_t icon = draw_icon(64);
    int keyed = 0, wrong = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            auto p = pixel_at(s, x, y);
            bool magenta = p.r == 255 && p.g == 0 && p.b == 255;
            keyed += magenta;
            wrong += magenta != (at(icon, 64, x, y).a < 128);
        }
    SDL_FreeSurface(s);
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(keyed, 40); // the four rounded corners
}
