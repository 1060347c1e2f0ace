// The screens' pictures (splash, loading, menu, play board, banner, time bar) and the sprites.
#include <algorithm>
#include <cmath>
#include <map>

#include "tools/art.h"
#include "tools/text_render.h"

namespace {

const float kPi = 3.14159265358979f;

canvas screen_canvas(int scale) {
    return canvas(240 * scale, 320 * scale, static_cast<float>(scale));
}

const title_style kTitle = {kSerifBold,    44,   hex(0xffffff), hex(0xffc24a),
                            hex(0x2a0b3a), 2.2f, 2.0f,          0.55f};
const title_style kLabel = {kSansBold,     11,   hex(0xffffff), hex(0xcfe6ff),
                            hex(0x101433), 1.2f, 1.0f,          0.5f};

// The deep evening backdrop with a scatter of soft coloured tiles, shared by the menu screens.
void backdrop(canvas& c, std::uint32_t seed) {
    c.vgradient(0, 320, hex(0x1c2462), hex(0x5a1f63));
    c.shade(0, 0, 240, 320, [&](float x, float y, color& p) {
        float n = fbm(x / 60.0f, y / 60.0f, 4, seed);
        p = mix(p, hex(0x2b6f9e), clampf((n - 0.45f) * 1.6f, 0, 0.45f));
    });
    rng r(seed);
    const std::uint32_t colours[] = {0xff6b6b, 0xffd166, 0x06d6a0, 0x4cc9f0,
                                     0xf72585, 0x9b5de5, 0xf77f00};
    for (int i = 0; i < 38; ++i) {
        float x = r.uniform(-10, 240), y = r.uniform(-10, 320), s = r.uniform(10, 26);
        color col = hex(colours[r.below(7)]);
        c.round_rect(x, y, s, s, s * 0.2f, col, r.uniform(0.08f, 0.22f));
    }
}

// A little picture of a hill, a sun and a tree, cut into a 3 x 3 puzzle with one tile lifted out.
void puzzle_emblem(canvas& c, float x, float y, float size) {
    canvas art(static_cast<int>(size * c.unit), static_cast<int>(size * c.unit), c.unit);
    art.vgradient(0, size, hex(0x53b3ff), hex(0xc9ecff));
    art.circle(size * 0.72f, size * 0.28f, size * 0.13f, hex(0xffd23f));
    art.circle(size * 0.72f, size * 0.28f, size * 0.2f, hex(0xffe28a), 0.35f);
    art.ellipse(size * 0.3f, size * 1.05f, size * 0.75f, size * 0.45f, hex(0x3fae49));
    art.ellipse(size * 0.95f, size * 1.1f, size * 0.6f, size * 0.42f, hex(0x2f8a3a));
    art.rect(size * 0.26f, size * 0.42f, size * 0.05f, size * 0.2f, hex(0x6b3e1f));
    art.circle(size * 0.285f, size * 0.38f, size * 0.11f, hex(0x1f7a2e));
    art.ellipse(size * 0.35f, size * 0.18f, size * 0.12f, size * 0.05f, hex(0xffffff), 0.9f);
    c.round_rect(x - 4, y - 4, size + 8, size + 8, 4, hex(0x0d0f2b), 0.6f);
    c.paste(art, x, y);
    float t = size / 3;
    for (int i = 1; i < 3; ++i) {
        c.line(x + i * t, y, x + i * t, y + size, 0.8f, hex(0x0d0f2b), 0.8f);
        c.line(x, y + i * t, x + size, y + i * t, 0.8f, hex(0x0d0f2b), 0.8f);
    }
    // The lifted tile: its slot is dark, the tile floats up and to the right with a shadow.
    float sx = x + 2 * t, sy = y + 2 * t;
    canvas piece(static_cast<int>(t * c.unit), static_cast<int>(t * c.unit), c.unit);
    for (int j = 0; j < piece.h; ++j)
        for (int i = 0; i < piece.w; ++i)
            piece.at(i, j) = art.at(std::min(art.w - 1, static_cast<int>(2 * t * c.unit) + i),
                                    std::min(art.h - 1, static_cast<int>(2 * t * c.unit) + j));
    c.rect(sx, sy, t, t, hex(0x141633));
    c.round_rect(sx + 10, sy + 4, t, t, 1, hex(0x000000), 0.45f);
    c.paste(piece, sx + 7, sy + 1);
    c.rect(sx + 7, sy + 1, t, t, hex(0xffffff), 0.0f);
    c.shape(
        sx + 6, sy, sx + 8 + t, sy + 2 + t,
        [=](float px, float py) {
            return std::fabs(
                       sd_round_box(px, py, sx + 7 + t / 2, sy + 1 + t / 2, t / 2, t / 2, 0)) -
                   0.5f;
        },
        [](float, float) { return hex(0xffffff); }, 0.9f);
}

void tile_row(canvas& c, float y, float size, std::uint32_t seed) {
    const std::uint32_t colours[] = {0xff6b6b, 0xffd166, 0x06d6a0, 0x4cc9f0, 0xf72585, 0x9b5de5};
    rng r(seed);
    for (int i = 0; i < 6; ++i) {
        float x = 120 - 3 * (size + 4) + i * (size + 4) + 2;
        float lift = std::sin(i * 1.1f) * 2;
        c.round_rect(x + 1, y + lift + 2, size, size, size * 0.2f, hex(0x000000), 0.35f);
        c.round_rect(x, y + lift, size, size, size * 0.2f, hex(colours[i]));
        c.round_rect(x + size * 0.15f, y + lift + size * 0.12f, size * 0.7f, size * 0.25f,
                     size * 0.1f, hex(0xffffff), 0.3f);
        (void)r;
    }
}

// A raised rounded button face.
void button(canvas& c, float x, float y, float w, float h, color face) {
    c.round_rect(x + 0.5f, y + 1.5f, w, h, 6, hex(0x000000), 0.5f);
    float cy = y + h / 2;
    c.shape(
        x, y, x + w, y + h,
        [=](float px, float py) { return sd_round_box(px, py, x + w / 2, cy, w / 2, h / 2, 6); },
        [=](float, float py) {
            return mix(mix(face, hex(0xffffff), 0.35f), scale_color(face, 0.7f), (py - y) / h);
        });
    c.shape(
        x, y, x + w, y + h,
        [=](float px, float py) {
            return std::fabs(
                       sd_round_box(px, py, x + w / 2, cy, w / 2 - 0.5f, h / 2 - 0.5f, 5.5f)) -
                   0.5f;
        },
        [](float, float) { return hex(0x0b1020); }, 0.8f);
}

} // namespace

rgb_image to_image(const canvas& c) {
    rgb_image img;
    img.w = c.w;
    img.h = c.h;
    img.pixels = c.bytes();
    return img;
}

canvas draw_splash(int scale) {
    canvas c = screen_canvas(scale);
    backdrop(c, 101);
    draw_title(c, "Tessoli", kTitle, 120, 78);
    draw_title(c, "a picture memory puzzle", kLabel, 120, 100);
    puzzle_emblem(c, 60, 122, 120);
    title_style tap = kLabel;
    tap.size = 15;
    tap.top = hex(0xfff7c2);
    tap.bottom = hex(0xffb52e);
    tap.outline = hex(0x3a1606);
    draw_title(c, "Tap to start", tap, 120, 292);
    return c;
}

canvas draw_loading(int scale) {
    canvas c = screen_canvas(scale);
    backdrop(c, 202);
    draw_title(c, "Tessoli", kTitle, 120, 78);
    puzzle_emblem(c, 60, 110, 120);
    title_style l = kLabel;
    l.size = 15;
    draw_title(c, "Loading...", l, 120, 268);
    tile_row(c, 282, 14, 7);
    return c;
}

canvas draw_intro(int scale) {
    canvas c = screen_canvas(scale);
    backdrop(c, 303);
    draw_title(c, "Tessoli", kTitle, 120, 66);
    // The panel under the menu, the prompts and the end screens' titles (y 88 to 212).
    c.round_rect(12, 86, 216, 128, 12, hex(0x070a24), 0.62f);
    c.shape(
        12, 86, 228, 214,
        [](float x, float y) {
            return std::fabs(sd_round_box(x, y, 120, 150, 108, 64, 12)) - 0.6f;
        },
        [](float, float y) { return mix(hex(0xffd166), hex(0xf72585), (y - 86) / 128); }, 0.8f);
    // The score line's strip, from x 20 at y 250.
    c.round_rect(12, 244, 216, 28, 8, hex(0x070a24), 0.62f);
    tile_row(c, 288, 16, 9);
    return c;
}

canvas draw_board(int scale) {
    canvas c = screen_canvas(scale);
    // Dark slate table with a little texture.
    c.vgradient(0, 320, hex(0x27304a), hex(0x171c2e));
    c.shade(0, 0, 240, 320, [](float x, float y, color& p) {
        float n = fbm(x / 25.0f, y / 25.0f, 4, 77);
        p = scale_color(p, 0.85f + 0.3f * n);
    });
    // The tray around the board, then the empty board with its 5 x 5 cells.
    c.round_rect(2.5f, 2.5f, 235, 235, 5, hex(0x0b0e1a));
    c.shape(
        3.5f, 3.5f, 236.5f, 236.5f,
        [](float x, float y) { return sd_round_box(x, y, 120, 120, 116.5f, 116.5f, 4); },
        [](float, float y) { return mix(hex(0xc8a25a), hex(0x7a5a26), (y - 3.5f) / 233); });
    c.rect(7.5f, 7.5f, 225, 225, hex(0x141a2c));
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 5; ++col) {
            float x = 7.5f + col * 45, y = 7.5f + row * 45;
            c.round_rect(x + 2, y + 2, 41, 41, 4, (row + col) % 2 ? hex(0x1d2540) : hex(0x222b4a));
            c.shape(
                x + 2, y + 2, x + 43, y + 43,
                [=](float px, float py) {
                    return std::fabs(sd_round_box(px, py, x + 22.5f, y + 22.5f, 20, 20, 4)) - 0.4f;
                },
                [](float, float) { return hex(0x3a4870); }, 0.9f);
        }
    draw_title(c, "?", {kSerifBold, 60, hex(0x2e3a62), hex(0x2e3a62), hex(0x2e3a62), 0, 0, 0}, 120,
               142);

    // The hint and menu buttons.
    button(c, 8, 240, 34, 25, hex(0x2a9d8f));
    c.circle(25, 249.5f, 5.5f, hex(0xffe066));
    c.circle(25, 249.5f, 8, hex(0xffe066), 0.25f);
    c.rect(22.5f, 254.5f, 5, 4, hex(0xdfe6f0));
    c.line(22.5f, 256.5f, 27.5f, 256.5f, 0.7f, hex(0x7a8799));
    c.line(23.5f, 259.5f, 26.5f, 259.5f, 1.2f, hex(0x7a8799));
    button(c, 196, 240, 34, 25, hex(0x6d597a));
    for (int i = 0; i < 3; ++i)
        c.line(205, 246.5f + i * 6, 221, 246.5f + i * 6, 2.4f, hex(0xf5f0ff));

    // Previous and next arrows around the offered tile's slot.
    button(c, 55, 250, 35, 40, hex(0xe76f51));
    c.polygon({{62, 270}, {78, 258}, {78, 264}, {84, 264}, {84, 276}, {78, 276}, {78, 282}},
              hex(0xfff4e6));
    button(c, 148, 250, 35, 40, hex(0xe76f51));
    c.polygon({{176, 270}, {160, 258}, {160, 264}, {154, 264}, {154, 276}, {160, 276}, {160, 282}},
              hex(0xfff4e6));
    c.round_rect(94.5f, 242, 51, 51, 4, hex(0x0b0e1a));
    c.shape(
        94.5f, 242, 145.5f, 293,
        [](float x, float y) { return sd_round_box(x, y, 120, 267.5f, 25.5f, 25.5f, 4); },
        [](float, float y) { return mix(hex(0xc8a25a), hex(0x7a5a26), (y - 242) / 51); });
    c.rect(97.5f, 245, 45, 45, hex(0x141a2c));
    draw_title(c, "?", {kSerifBold, 30, hex(0x2e3a62), hex(0x2e3a62), hex(0x2e3a62), 0, 0, 0}, 120,
               278);

    // The strip for "Level:" and "Score:" (y 296 to 312) and the groove of the time bar.
    c.rect(0, 294, 240, 20, hex(0x0a0d18), 0.7f);
    c.round_rect(4, 314, 232, 6, 2, hex(0x05070d));
    return c;
}

canvas draw_goodwork(int scale) {
    canvas c(240 * scale, 100 * scale, static_cast<float>(scale));
    c.vgradient(0, 100, hex(0x3a0d5e), hex(0x1b0b3a));
    c.shade(0, 0, 240, 100, [](float x, float y, color& p) {
        float a = std::atan2(y - 50, x - 120);
        float ray = 0.5f + 0.5f * std::sin(a * 12);
        p = mix(p, hex(0x7b2cbf), ray * 0.35f);
    });
    c.rect(0, 0, 240, 3, hex(0xffd166));
    c.rect(0, 97, 240, 3, hex(0xffd166));
    auto star = [&](float cx, float cy, float r, color col) {
        std::vector<pt> pts;
        for (int i = 0; i < 10; ++i) {
            float a = -kPi / 2 + i * kPi / 5, rr = i % 2 ? r * 0.45f : r;
            pts.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
        }
        c.polygon(pts, col);
    };
    title_style t = kTitle;
    t.size = 28;
    // The stars stand beside the words, never on them: a gold one each side of the title (as
    // large as the room left to it allows), small ones beside the line below and above.
    const float gap = 4;
    float title_half = title_width("Good work!", t, c.unit) / 2;
    float label_half = title_width("Tap for the next picture", kLabel, c.unit) / 2;
    float big = std::min(16.0f, (120 - title_half - gap - 2) / 2);
    float big_x = 120 - title_half - gap - big;
    float small_x = 120 - label_half - gap - 6;
    star(big_x, 46, big, hex(0xffd166));
    star(240 - big_x, 46, big, hex(0xffd166));
    star(small_x, 80, 6, hex(0xff8fab));
    star(240 - small_x, 80, 6, hex(0x8fd3ff));
    star(50, 17, 6, hex(0x8fd3ff));
    star(190, 17, 6, hex(0xff8fab));
    draw_title(c, "Good work!", t, 120, 58);
    draw_title(c, "Tap for the next picture", kLabel, 120, 84);
    return c;
}

canvas draw_timebar(int scale) {
    canvas c(230 * scale, 5 * scale, static_cast<float>(scale));
    // Red at the left end, green at the right: the bar reddens as it shrinks.
    c.shade(0, 0, 230, 5, [](float x, float y, color& p) {
        float t = x / 230;
        color base = t < 0.5f ? mix(hex(0xe63946), hex(0xffb703), t * 2)
                              : mix(hex(0xffb703), hex(0x52d273), (t - 0.5f) * 2);
        p = mix(base, hex(0xffffff), y < 1.5f ? 0.45f : 0.0f);
        if (y > 4)
            p = scale_color(base, 0.7f);
    });
    return c;
}

namespace {

// A palette for a small sprite: the colours it uses at 5 bits a channel, the most used first;
// index 0 is the see-through key.
indexed_image quantize(const canvas& c, const std::vector<float>& cover, color key) {
    indexed_image img;
    img.w = c.w;
    img.h = c.h;
    img.index.assign(static_cast<std::size_t>(c.w) * c.h, 0);
    auto to5 = [](float v) { return static_cast<int>(clampf(v, 0, 1) * 31 + 0.5f); };
    std::map<int, int> counts;
    for (std::size_t i = 0; i < c.px.size(); ++i)
        if (cover[i] >= 0.5f)
            counts[(to5(c.px[i].r) << 10) | (to5(c.px[i].g) << 5) | to5(c.px[i].b)]++;
    std::vector<std::pair<int, int>> by_use;
    for (auto& e : counts)
        by_use.push_back({-e.second, e.first});
    std::sort(by_use.begin(), by_use.end());
    if (by_use.size() > 255)
        by_use.resize(255);
    img.palette[0][0] = static_cast<std::uint8_t>(key.r * 255);
    img.palette[0][1] = static_cast<std::uint8_t>(key.g * 255);
    img.palette[0][2] = static_cast<std::uint8_t>(key.b * 255);
    for (std::size_t i = 0; i < by_use.size(); ++i) {
        int v = by_use[i].second;
        img.palette[i + 1][0] = static_cast<std::uint8_t>(((v >> 10) & 31) * 255 / 31);
        img.palette[i + 1][1] = static_cast<std::uint8_t>(((v >> 5) & 31) * 255 / 31);
        img.palette[i + 1][2] = static_cast<std::uint8_t>((v & 31) * 255 / 31);
    }
    for (std::size_t i = 0; i < c.px.size(); ++i) {
        if (cover[i] < 0.5f)
            continue;
        int best = 1, best_d = 1 << 30;
        for (std::size_t k = 0; k < by_use.size(); ++k) {
            int dr = img.palette[k + 1][0] - static_cast<int>(c.px[i].r * 255);
            int dg = img.palette[k + 1][1] - static_cast<int>(c.px[i].g * 255);
            int db = img.palette[k + 1][2] - static_cast<int>(c.px[i].b * 255);
            int d = dr * dr + dg * dg + db * db;
            if (d < best_d) {
                best_d = d;
                best = static_cast<int>(k) + 1;
            }
        }
        img.index[i] = static_cast<std::uint8_t>(best);
    }
    return img;
}

// The rocket flying right in a frame long x thin pixels; cover is its silhouette.
void rocket_right(int scale, canvas* art, std::vector<float>* cover) {
    int thin = scale == 1 ? 13 : 25;
    float u = static_cast<float>(scale);
    *art = canvas(25 * scale, thin, u);
    canvas mask(25 * scale, thin, u);
    float h = thin / u, cy = h / 2;
    auto both = [&](auto draw_fn) {
        draw_fn(*art, false);
        draw_fn(mask, true);
    };
    both([&](canvas& k, bool m) {
        auto col = [&](std::uint32_t v) { return m ? hex(0xffffff) : hex(v); };
        // Flame, fins, body, nose and window.
        k.polygon({{0.3f, cy}, {6.5f, cy - h * 0.22f}, {6.5f, cy + h * 0.22f}}, col(0xff9f1c));
        k.polygon({{2.5f, cy}, {6.5f, cy - h * 0.12f}, {6.5f, cy + h * 0.12f}}, col(0xfff3b0));
        k.polygon({{5.5f, cy - h * 0.46f}, {11, cy - h * 0.2f}, {6.5f, cy - h * 0.1f}},
                  col(0xd62828));
        k.polygon({{5.5f, cy + h * 0.46f}, {11, cy + h * 0.2f}, {6.5f, cy + h * 0.1f}},
                  col(0xd62828));
        k.shape(
            6, cy - h * 0.25f, 20, cy + h * 0.25f,
            [=](float x, float y) { return sd_round_box(x, y, 13.5f, cy, 7, h * 0.22f, h * 0.2f); },
            [=](float, float y) {
                return m ? hex(0xffffff)
                         : mix(hex(0xf8f9fa), hex(0x8d99ae), (y - cy + h * 0.22f) / (h * 0.44f));
            });
        k.polygon({{19, cy - h * 0.22f}, {24.7f, cy}, {19, cy + h * 0.22f}}, col(0xd62828));
        if (!m)
            k.circle(15, cy, h * 0.1f, hex(0x4cc9f0));
    });
    cover->resize(mask.px.size());
    for (std::size_t i = 0; i < mask.px.size(); ++i)
        (*cover)[i] = mask.px[i].r;
}

} // namespace

indexed_image draw_rockets(int scale, bool vertical) {
    canvas right(1, 1, 1);
    std::vector<float> cover;
    rocket_right(scale, &right, &cover);
    const int L = right.w, T = right.h;
    const color key = hex(0xff00ff);
    // Two frames: left then right side by side, or up then down stacked.
    canvas sheet(vertical ? T : 2 * L, vertical ? 2 * L : T, right.unit);
    std::vector<float> sheet_cover(sheet.px.size(), 0.0f);
    for (int y = 0; y < T; ++y)
        for (int x = 0; x < L; ++x) {
            std::size_t src = static_cast<std::size_t>(y) * L + x;
            std::size_t a, b;
            if (!vertical) {
                a = static_cast<std::size_t>(y) * sheet.w + (L - 1 - x); // flying left: mirrored
                b = static_cast<std::size_t>(y) * sheet.w + L + x;
            } else {
                a = static_cast<std::size_t>(L - 1 - x) * sheet.w + y; // flying up: nose at the top
                b = static_cast<std::size_t>(L + x) * sheet.w + y;     // flying down
            }
            sheet.px[a] = sheet.px[b] = right.px[src];
            sheet_cover[a] = sheet_cover[b] = cover[src];
        }
    return quantize(sheet, sheet_cover, key);
}

indexed_image draw_spark(int scale, bool trail) {
    int size = (trail ? 4 : 6) * scale;
    canvas c(size, size, 1.0f);
    float r = size / 2.0f;
    c.shade(0, 0, static_cast<float>(size), static_cast<float>(size),
            [&](float x, float y, color& p) {
                float d = std::hypot(x - r, y - r) / r;
                if (trail)
                    p = mix(hex(0xffffff), hex(0xffd166), clampf(d, 0, 1));
                else
                    p = d < 0.5f ? mix(hex(0xfffbe0), hex(0xffb703), d * 2)
                                 : mix(hex(0xffb703), hex(0xe85d04), clampf(d * 2 - 1, 0, 1));
            });
    // No see-through key: the game draws sparks whole with a translucency, so every pixel shows.
    std::vector<float> cover(c.px.size(), 1.0f);
    indexed_image img = quantize(c, cover, hex(0x000000));
    return img;
}
