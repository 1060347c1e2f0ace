// The game's icon: a small sunny picture cut into four tiles on the splash's violet plate, the
// last tile lifted out of its slot. Four big tiles stay readable at 16 pixels.
#include "tools/icon.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <png.h>
#include <sys/stat.h>

#include "tools/canvas.h"

namespace {

// Everything is drawn in a 64 x 64 layout, whatever the pixel size.
constexpr float kSide = 64.0f;

float plate_distance(float x, float y) {
    return sd_round_box(x, y, 32, 32, 31, 31, 11);
}

// The picture under the tiles: sky, sun, two hills and a tree, as on the splash.
canvas draw_scene(float unit, float size) {
    canvas art(static_cast<int>(std::lround(size * unit)),
               static_cast<int>(std::lround(size * unit)), unit);
    art.vgradient(0, size, hex(0x53b3ff), hex(0xc9ecff));
    art.circle(size * 0.70f, size * 0.28f, size * 0.16f, hex(0xffd23f));
    art.circle(size * 0.70f, size * 0.28f, size * 0.24f, hex(0xffe28a), 0.35f);
    art.ellipse(size * 0.28f, size * 1.02f, size * 0.78f, size * 0.45f, hex(0x3fae49));
    art.ellipse(size * 0.98f, size * 1.1f, size * 0.62f, size * 0.44f, hex(0x2f8a3a));
    art.rect(size * 0.24f, size * 0.42f, size * 0.07f, size * 0.2f, hex(0x6b3e1f));
    art.circle(size * 0.275f, size * 0.38f, size * 0.13f, hex(0x1f7a2e));
    return art;
}

struct drawing {
    canvas colour, cover;
};

drawing draw(int size) {
    float unit = static_cast<float>(size) / kSide;
    drawing d{canvas(size, size, unit), canvas(size, size, unit)};
    canvas& c = d.colour;
    // The plate's colour reaches past its edge so its anti-aliased rim never darkens.
    c.vgradient(0, kSide, hex(0x1c2462), hex(0x5a1f63));
    d.cover.fill(hex(0x000000));
    d.cover.shape(0, 0, kSide, kSide, plate_distance, [](float, float) { return hex(0xffffff); });

    // Four tiles of 22 with a gap of 3 inside the plate; the picture spans all of them.
    const float x0 = 9.5f, tile = 22.0f, gap = 3.0f, span = 2 * tile + gap;
    canvas art = draw_scene(unit, span);
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 2; ++col) {
            float tx = x0 + col * (tile + gap), ty = x0 + row * (tile + gap);
            if (row == 1 && col == 1) {
                c.round_rect(tx, ty, tile, tile, 2, hex(0x0d0f2b)); // the empty slot
                continue;
            }
            c.shape(
                tx, ty, tx + tile, ty + tile,
                [=](float px, float py) {
                    return sd_round_box(px, py, tx + tile / 2, ty + tile / 2, tile / 2, tile / 2,
                                        1.5f);
                },
                [&, tx, ty, col, row](float px, float py) {
                    float sx = (px - tx + col * (tile + gap)) * unit;
                    float sy = (py - ty + row * (tile + gap)) * unit;
                    int ix = static_cast<int>(clampf(sx, 0, art.w - 1.0f));
                    int iy = static_cast<int>(clampf(sy, 0, art.h - 1.0f));
                    return art.at(ix, iy);
                });
        }
    }
    // The lifted tile: a shadow, the picture's last corner, a white rim; it sits up and to the
    // right of its slot as a tile offered to the player does.
    const float lx = x0 + tile + gap + 3.5f, ly = x0 + tile + gap - 3.5f;
    auto lifted = [=](float px, float py) {
        return sd_round_box(px, py, lx + tile / 2, ly + tile / 2, tile / 2, tile / 2, 1.5f);
    };
    c.round_rect(lx + 2, ly + 3, tile, tile, 2, hex(0x000000), 0.45f);
    c.shape(lx - 1, ly - 1, lx + tile + 1, ly + tile + 1, lifted, [&](float px, float py) {
        float sx = (px - lx + tile + gap) * unit, sy = (py - ly + tile + gap) * unit;
        return art.at(static_cast<int>(clampf(sx, 0, art.w - 1.0f)),
                      static_cast<int>(clampf(sy, 0, art.h - 1.0f)));
    });
    float rim = size <= 16 ? 2.5f : 1.6f; // at 16 pixels the rim needs a whole pixel
    c.shape(
        lx - 2, ly - 2, lx + tile + 2, ly + tile + 2,
        [=](float px, float py) { return std::fabs(lifted(px, py)) - rim / 2; },
        [](float, float) { return hex(0xffffff); });
    // The lifted tile may stand out over the plate's corner: it is covered too.
    d.cover.shape(
        lx - 2, ly - 2, lx + tile + 2, ly + tile + 2,
        [=](float px, float py) { return lifted(px, py) - rim / 2; },
        [](float, float) { return hex(0xffffff); });
    return d;
}

std::uint8_t to_byte(float v) {
    return static_cast<std::uint8_t>(clampf(v, 0.0f, 1.0f) * 255.0f + 0.5f);
}

} // namespace

bytes_t draw_icon(int size) {
    drawing d = draw(size);
    bytes_t out;
    out.reserve(static_cast<std::size_t>(size) * size * 4);
    for (std::size_t i = 0; i < d.colour.px.size(); ++i) {
        const color& p = d.colour.px[i];
        out.push_back(to_byte(p.r));
        out.push_back(to_byte(p.g));
        out.push_back(to_byte(p.b));
        out.push_back(to_byte(d.cover.px[i].r));
    }
    return out;
}

namespace {

bytes_t png_of(const bytes_t& pixels, int size) {
    png_image info;
    std::memset(&info, 0, sizeof info);
    info.version = PNG_IMAGE_VERSION;
    info.width = static_cast<png_uint_32>(size);
    info.height = static_cast<png_uint_32>(size);
    info.format = PNG_FORMAT_RGBA;
    png_alloc_size_t bytes = 0;
    if (!png_image_write_to_memory(&info, nullptr, &bytes, 0, pixels.data(), 0, nullptr))
        return {};
    bytes_t out(bytes);
    if (!png_image_write_to_memory(&info, out.data(), &bytes, 0, pixels.data(), 0, nullptr))
        return {};
    out.resize(bytes);
    return out;
}

} // namespace

bytes_t icon_png(int size) {
    return png_of(draw_icon(size), size);
}

bytes_t maskable_icon_png(int size) {
    // The plate's colours fill the square; the icon, at four fifths, keeps every tile inside the
    // middle circle that any mask leaves.
    canvas back(size, size, static_cast<float>(size) / kSide);
    back.vgradient(0, kSide, hex(0x1c2462), hex(0x5a1f63));
    int inner = size * 4 / 5, at = (size - inner) / 2;
    bytes_t icon = draw_icon(inner), out;
    out.reserve(static_cast<std::size_t>(size) * size * 4);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const color& b = back.at(x, y);
            float rgb[3] = {b.r, b.g, b.b};
            if (x >= at && y >= at && x < at + inner && y < at + inner) {
                const std::uint8_t* p =
                    &icon[(static_cast<std::size_t>(y - at) * inner + (x - at)) * 4];
                float a = p[3] / 255.0f;
                for (int k = 0; k < 3; ++k)
                    rgb[k] = rgb[k] * (1 - a) + p[k] / 255.0f * a;
            }
            for (float v : rgb)
                out.push_back(to_byte(v));
            out.push_back(255);
        }
    }
    return png_of(out, size);
}

bytes_t monochrome_icon_png(int size) {
    // White where the picture's tiles and the lifted tile are, clear elsewhere: the plate and the
    // empty slot are dark, the tiles light.
    bytes_t icon = draw_icon(size);
    for (std::size_t i = 0; i < icon.size(); i += 4) {
        float light = (0.3f * icon[i] + 0.59f * icon[i + 1] + 0.11f * icon[i + 2]) / 255.0f;
        float a = clampf((light - 0.25f) / 0.3f, 0.0f, 1.0f) * icon[i + 3] / 255.0f;
        icon[i] = icon[i + 1] = icon[i + 2] = 255;
        icon[i + 3] = to_byte(a);
    }
    return png_of(icon, size);
}

bytes_t icon_bmp() {
    const int size = 64;
    bytes_t pixels = draw_icon(size);
    const unsigned stride = size * 3; // 192: already a multiple of 4
    const std::uint32_t data_offset = 14 + 40;
    bytes_t b;
    b.push_back('B');
    b.push_back('M');
    put32(b, data_offset + stride * size);
    put32(b, 0);
    put32(b, data_offset);
    put32(b, 40);
    put32(b, size);
    put32(b, size); // positive: rows stored bottom-up
    put16(b, 1);
    put16(b, 24);
    put32(b, 0); // no compression
    put32(b, stride * size);
    put32(b, 2835); // 72 dpi
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const std::uint8_t* p = &pixels[(static_cast<std::size_t>(y) * size + x) * 4];
            bool keyed = p[3] < 128;
            // A covered pixel that happens to be magenta would vanish: nudge it off the key.
            bool clash = !keyed && p[0] == 255 && p[1] == 0 && p[2] == 255;
            b.push_back(keyed ? 255 : p[2]);
            b.push_back(keyed ? 0 : (clash ? 1 : p[1]));
            b.push_back(keyed ? 255 : p[0]);
        }
    }
    return b;
}

bool write_icon_theme(const std::string& folder, std::string* error) {
    for (int size : kIconSizes) {
        std::string apps =
            folder + "/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
        for (std::size_t i = 1; i <= apps.size(); ++i) {
            if (i < apps.size() && apps[i] != '/')
                continue;
            std::string part = apps.substr(0, i);
            if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) {
                *error = "cannot make the folder " + part + ": " + std::strerror(errno);
                return false;
            }
        }
        bytes_t png = icon_png(size);
        if (png.empty() || !write_file_if_changed(apps + "/tessoli.png", png)) {
            *error = "cannot write " + apps + "/tessoli.png";
            return false;
        }
    }
    return true;
}
