// Level pictures 11 to 20 (quilt, autumn wood, winter village, island, rose window, sweets,
// garden, train, castle, northern lights) and the table of all twenty.
#include <cmath>

#include "tools/art.h"
#include "tools/art_kit.h"
#include "tools/levels.h"

using namespace kit;

namespace {
const float kPi = 3.14159265358979f;
}

void level_quilt(canvas& c) {
    // Six by six patches, so the patches never line up with the 5 x 5 tiles.
    const float s = 225.0f / 6;
    const std::uint32_t cloth[] = {0xe63946, 0xf1faee, 0xa8dadc, 0x457b9d, 0xffb703, 0x2a9d8f,
                                   0xf4a261, 0x9d4edd, 0x06d6a0, 0xff70a6, 0x1d3557, 0xffd166};
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 6; ++col) {
            int k = row * 6 + col;
            float x = col * s, y = row * s;
            color base = hex(cloth[(k * 5 + row) % 12]);
            color other = hex(cloth[(k * 7 + 3) % 12]);
            c.rect(x, y, s, s, base);
            float cx = x + s / 2, cy = y + s / 2;
            switch (k % 8) {
            case 0: // dots
                for (int i = 0; i < 3; ++i)
                    for (int j = 0; j < 3; ++j)
                        c.circle(x + s * (0.2f + 0.3f * i), y + s * (0.2f + 0.3f * j), s * 0.07f,
                                 other);
                break;
            case 1: // stripes
                for (int i = 0; i < 4; ++i)
                    c.rect(x, y + i * s / 4, s, s / 8, other);
                break;
            case 2: // heart
                c.circle(cx - s * 0.13f, cy - s * 0.08f, s * 0.16f, other);
                c.circle(cx + s * 0.13f, cy - s * 0.08f, s * 0.16f, other);
                c.polygon({{cx - s * 0.28f, cy}, {cx + s * 0.28f, cy}, {cx, cy + s * 0.32f}},
                          other);
                break;
            case 3: // star
                star(c, cx, cy, s * 0.38f, 0.45f, 5, other);
                break;
            case 4: // checks
                for (int i = 0; i < 4; ++i)
                    for (int j = 0; j < 4; ++j)
                        if ((i + j) % 2)
                            c.rect(x + i * s / 4, y + j * s / 4, s / 4, s / 4, other);
                break;
            case 5: // flower
                flower(c, cx, cy, s * 0.38f, other, hex(0xffd166), 6);
                break;
            case 6: // zigzag
                for (int i = 0; i < 3; ++i) {
                    std::vector<pt> z;
                    for (int j = 0; j <= 6; ++j)
                        z.push_back({x + j * s / 6, y + s * (0.22f + 0.28f * i) +
                                                        (j % 2 ? s * 0.1f : -s * 0.05f)});
                    c.polyline(z, s * 0.06f, other);
                }
                break;
            default: // sun
                c.circle(cx, cy, s * 0.2f, other);
                for (int i = 0; i < 8; ++i) {
                    float a = i * kPi / 4;
                    c.line(cx + std::cos(a) * s * 0.26f, cy + std::sin(a) * s * 0.26f,
                           cx + std::cos(a) * s * 0.4f, cy + std::sin(a) * s * 0.4f, s * 0.05f,
                           other);
                }
                break;
            }
            // Stitches around the patch.
            for (int i = 0; i < 8; ++i) {
                float t = (i + 0.25f) * s / 8;
                c.line(x + t, y + 1.5f, x + t + s / 20, y + 1.5f, 0.6f, hex(0xffffff), 0.8f);
                c.line(x + 1.5f, y + t, x + 1.5f, y + t + s / 20, 0.6f, hex(0xffffff), 0.8f);
            }
            c.line(x, y, x + s, y, 0.8f, hex(0x000000), 0.3f);
            c.line(x, y, x, y + s, 0.8f, hex(0x000000), 0.3f);
        }
    // A folded corner and a button give the quilt a front.
    c.polygon({{225, 180}, {225, 225}, {180, 225}}, hex(0xfefae0));
    c.polygon({{180, 225}, {225, 180}, {200, 205}}, hex(0xd4a373));
    c.circle(112.5f, 112.5f, 5, hex(0x6f1d1b));
    grain(c, 0.08f, 11);
}

void level_autumn(canvas& c) {
    sky(c, 0, 140, hex(0xffd8a8), hex(0xfff3e0));
    glow(c, 112, 60, 80, hex(0xffffff), 0.4f);
    hills(c, 120, 10, 50, 21, hex(0xd08c60), hex(0x9c6644), 225);
    // Trees in three rows of colour.
    const std::uint32_t leaves[] = {0xe85d04, 0xffba08, 0xd00000, 0xf48c06, 0x9d0208, 0xfaa307};
    float xs[] = {15, 55, 100, 140, 185, 215};
    for (int i = 0; i < 6; ++i)
        round_tree(c, xs[i], 130 + (i % 2) * 6.0f, 80 + (i % 3) * 12.0f, hex(leaves[i]),
                   hex(0x5e3023));
    // The path winding into the wood.
    c.polygon({{100, 130}, {125, 130}, {150, 170}, {200, 225}, {120, 225}, {110, 175}},
              hex(0xcfa57a));
    c.shade(100, 130, 200, 225, [](float x, float y, color& p) {
        if (p.r > 0.78f && p.g > 0.6f && p.g < 0.7f)
            p = scale_color(p, 0.9f + 0.15f * value_noise(x, y, 5));
    });
    // Long shadows of the trunks fall away from the low sun, across the floor and the path.
    for (int i = 0; i < 6; ++i) {
        float x = xs[i], base = 130 + (i % 2) * 6.0f;
        c.polygon({{x - 3, base}, {x + 3, base}, {x + 62, 225}, {x + 44, 225}}, hex(0x5e3023),
                  0.35f);
    }
    // Mushrooms, a fox, a hedgehog, leaves in the air.
    auto mushroom = [&](float x, float y, float s) {
        c.rect(x - s * 0.25f, y - s * 0.6f, s * 0.5f, s * 0.6f, hex(0xfefae0));
        c.shape(
            x - s, y - s * 1.3f, x + s, y - s * 0.5f,
            [=](float px, float py) {
                return std::fmax(std::hypot(px - x, (py - y + s * 0.55f) * 1.4f) - s,
                                 py - (y - s * 0.55f));
            },
            [](float, float) { return hex(0xd00000); });
        c.circle(x - s * 0.4f, y - s * 0.85f, s * 0.14f, hex(0xffffff));
        c.circle(x + s * 0.3f, y - s * 1.0f, s * 0.12f, hex(0xffffff));
        c.circle(x + s * 0.55f, y - s * 0.7f, s * 0.1f, hex(0xffffff));
    };
    mushroom(30, 200, 12);
    mushroom(55, 212, 8);
    color fox = hex(0xf3722c);
    c.ellipse(175, 180, 16, 9, fox);
    c.polygon({{188, 176}, {206, 166}, {200, 180}}, fox);
    c.circle(198, 170, 6, fox);
    c.polygon({{194, 166}, {196, 158}, {200, 165}}, fox);
    c.polygon({{200, 165}, {204, 158}, {205, 167}}, fox);
    c.polygon({{203, 170}, {212, 172}, {204, 175}}, hex(0xfefae0));
    c.circle(199, 169, 1, hex(0x111111));
    c.polyline({{160, 178}, {148, 168}, {142, 178}, {150, 186}}, 5, fox);
    c.circle(148, 177, 3, hex(0xfefae0));
    for (int k = 0; k < 4; ++k)
        c.line(168 + k * 5.0f, 186, 168 + k * 5.0f, 196, 2, hex(0x3d2c1f));
    c.ellipse(85, 205, 11, 7, hex(0x6f4518));
    for (int k = 0; k < 8; ++k)
        c.line(77 + k * 2.5f, 200, 75 + k * 2.5f, 195, 1, hex(0x432818));
    c.circle(95, 207, 2, hex(0x222222));
    rng r(51);
    for (int k = 0; k < 30; ++k) {
        float x = r.uniform(0, 225), y = r.uniform(0, 225), a = r.uniform(0, kPi);
        c.ellipse(x, y, 2.2f, 1.2f, hex(leaves[r.below(6)]));
        (void)a;
    }
    c.circle(22, 24, 12, hex(0xffe8a3));
    glow(c, 22, 24, 24, hex(0xffffff), 0.5f);
    bird(c, 40, 40, 4, hex(0x6f4518));
    c.ellipse(22, 165, 13, 10, hex(0xf77f00));
    c.ellipse(22, 165, 6, 10, hex(0xe85d04));
    c.rect(20.5f, 152, 3, 5, hex(0x3d5a2c));
    c.circle(195, 28, 5, hex(0x6f4518));
    c.polygon({{190, 28}, {182, 33}, {190, 32}}, hex(0x6f4518));
    grain(c, 0.05f, 12);
}

void level_winter(canvas& c) {
    sky(c, 0, 130, hex(0x3c096c), hex(0xff9e9d));
    c.circle(40, 30, 11, hex(0xfefae0));
    glow(c, 40, 30, 28, hex(0xfefae0), 0.3f);
    stars(c, 70, 30, 61);
    // Evening clouds and snowy peaks far behind the village.
    cloud(c, 100, 16, 7, hex(0xffafcc), 0.6f);
    cloud(c, 160, 24, 10, hex(0xffc8dd), 0.7f);
    cloud(c, 208, 40, 6, hex(0xffd6e0), 0.65f);
    cloud(c, 165, 76, 8, hex(0xffc8dd), 0.6f);
    c.polygon({{-5, 112}, {14, 70}, {28, 86}, {50, 58}, {74, 96}, {92, 112}}, hex(0xb8a9d9));
    c.polygon({{8, 83}, {14, 70}, {20, 78}}, hex(0xffffff));
    c.polygon({{42, 70}, {50, 58}, {58, 71}, {50, 67}}, hex(0xffffff));
    c.polygon({{180, 112}, {198, 72}, {212, 90}, {222, 80}, {235, 112}}, hex(0xc9b6e4));
    c.polygon({{192, 85}, {198, 72}, {204, 82}}, hex(0xffffff));
    hills(c, 110, 12, 70, 31, hex(0xe0e7ff), hex(0xc8d3f5), 225);
    // The village: houses with lit windows, a church, pines with snow.
    house(c, 20, 150, 30, 22, hex(0xb56576), hex(0x6d597a), true);
    house(c, 65, 140, 26, 20, hex(0xe09f3e), hex(0x9e2a2b), true);
    house(c, 150, 150, 30, 24, hex(0x457b9d), hex(0x1d3557), true);
    c.rect(105, 95, 24, 45, hex(0xf1faee));
    c.polygon({{102, 96}, {117, 55}, {132, 96}}, hex(0x6d597a));
    c.line(117, 55, 117, 45, 1.2f, hex(0xffd166));
    c.line(113, 49, 121, 49, 1.2f, hex(0xffd166));
    c.round_rect(111, 112, 12, 28, 6, hex(0xffd56b));
    c.circle(117, 103, 4, hex(0xffd56b));
    glow(c, 117, 120, 22, hex(0xffd56b), 0.3f);
    for (float x : {12.0f, 55.0f, 95.0f, 140.0f, 200.0f})
        c.polygon({{x - 8, 153}, {x + 8, 153}, {x + 10, 156}, {x - 10, 156}}, hex(0xffffff), 0.0f);
    pine(c, 198, 150, 44, hex(0x1b4332), hex(0xffffff));
    pine(c, 215, 160, 30, hex(0x2d6a4f), hex(0xffffff));
    pine(c, 95, 165, 30, hex(0x2d6a4f), hex(0xffffff));
    // Snow on the roofs.
    c.polygon(
        {{17, 149 - 22}, {35, 149 - 22 - 16.5f}, {53, 149 - 22}, {50, 127}, {35, 116}, {20, 127}},
        hex(0xffffff), 0.0f);
    // Snowman, a sledge, falling snow.
    c.circle(50, 195, 15, hex(0xffffff));
    c.circle(50, 172, 10, hex(0xffffff));
    c.rect(43, 157, 14, 8, hex(0x222222));
    c.rect(40, 164, 20, 2, hex(0x222222));
    c.polygon({{50, 174}, {60, 176}, {50, 177}}, hex(0xf77f00));
    c.circle(46, 170, 1.2f, hex(0x222222));
    c.circle(54, 170, 1.2f, hex(0x222222));
    c.rect(40, 180, 20, 3, hex(0xe63946));
    c.line(36, 185, 24, 175, 1.5f, hex(0x6f4518));
    c.line(64, 185, 76, 175, 1.5f, hex(0x6f4518));
    c.rect(140, 196, 36, 6, hex(0xc1121f));
    c.polyline({{136, 208}, {178, 208}, {184, 200}}, 1.6f, hex(0x6c757d));
    c.line(146, 202, 146, 208, 1.4f, hex(0x6c757d));
    c.line(170, 202, 170, 208, 1.4f, hex(0x6c757d));
    c.line(112, 222, 112, 182, 1.5f, hex(0x2b2d42));
    c.rect(108, 176, 8, 7, hex(0x2b2d42));
    c.rect(109.5f, 177.5f, 5, 4, hex(0xffd56b));
    glow(c, 112, 180, 16, hex(0xffd56b), 0.45f);
    for (int k = 0; k < 5; ++k)
        c.ellipse(92 + k * 8.0f, 212 - (k % 2) * 4.0f, 1.6f, 2.4f, hex(0xa9b4d6));
    rng r(62);
    for (int k = 0; k < 90; ++k)
        c.circle(r.uniform(0, 225), r.uniform(0, 225), r.uniform(0.6f, 1.6f), hex(0xffffff), 0.85f);
    grain(c, 0.04f, 13);
}

void level_island(canvas& c) {
    sky(c, 0, 130, hex(0x3a0ca3), hex(0xff9e00));
    c.shade(0, 40, 225, 130, [](float, float y, color& p) {
        p = mix(p, hex(0xf72585), clampf(1 - std::fabs(y - 80) / 40, 0, 1) * 0.35f);
    });
    glow(c, 112, 128, 70, hex(0xffd60a), 0.6f);
    c.circle(112, 128, 26, hex(0xffea00));
    for (int k = 0; k < 4; ++k)
        c.rect(80, 108 + k * 5.0f, 65, 1.5f, hex(0xff9e00), 0.6f);
    cloud(c, 40, 40, 12, hex(0xffafcc), 0.8f);
    cloud(c, 185, 60, 14, hex(0xffc8dd), 0.8f);
    bird(c, 140, 40, 5, hex(0x240046));
    bird(c, 160, 30, 4, hex(0x240046));
    cloud(c, 112, 16, 9, hex(0xffafcc), 0.75f);
    c.circle(206, 14, 2.2f, hex(0xfff3b0));
    glow(c, 206, 14, 9, hex(0xfff3b0), 0.5f);
    c.ellipse(200, 34, 16, 2.5f, hex(0xffc8dd), 0.7f);
    // Sea with the sun's path.
    sky(c, 128, 225, hex(0xff7b00), hex(0x240046));
    rng r(71);
    for (int k = 0; k < 50; ++k) {
        float y = r.uniform(130, 222), spread = (y - 128) * 0.6f + 10;
        float x = 112 + r.uniform(-spread, spread);
        c.line(x - 5, y, x + 5, y, 1, hex(0xffd60a), 0.7f);
    }
    // The island with palms, the hut on stilts, a sailing boat.
    c.ellipse(35, 160, 55, 16, hex(0x10002b));
    auto palm = [&](float x, float base, float h, float lean) {
        c.polyline({{x, base}, {x + lean * 0.5f, base - h * 0.5f}, {x + lean, base - h}}, 3.5f,
                   hex(0x10002b));
        for (int k = 0; k < 7; ++k) {
            float a = -kPi + k * kPi / 6;
            c.polyline(
                {{x + lean, base - h},
                 {x + lean + std::cos(a) * h * 0.3f, base - h + std::sin(a) * h * 0.2f - 3},
                 {x + lean + std::cos(a) * h * 0.55f, base - h + std::sin(a) * h * 0.15f + 8}},
                3, hex(0x10002b));
        }
    };
    palm(20, 152, 70, 10);
    palm(50, 150, 50, -8);
    c.rect(160, 150, 40, 3, hex(0x10002b));
    for (int k = 0; k < 4; ++k)
        c.line(162 + k * 12.0f, 150, 162 + k * 12.0f, 172, 2, hex(0x10002b));
    c.rect(165, 132, 30, 18, hex(0x10002b));
    c.polygon({{158, 134}, {180, 116}, {202, 134}}, hex(0x10002b));
    c.rect(176, 138, 7, 7, hex(0xffb703));
    glow(c, 179, 141, 12, hex(0xffb703), 0.4f);
    sailboat(c, 105, 190, 13, hex(0x10002b), hex(0x3c096c));
    c.ellipse(205, 205, 12, 3, hex(0x10002b));
    c.line(195, 205, 195, 198, 1, hex(0x10002b));
    // A paddler in a canoe, a dolphin leaping, a buoy with its light.
    c.ellipse(24, 204, 16, 2.5f, hex(0x10002b));
    c.circle(24, 194, 2.5f, hex(0x10002b));
    c.line(24, 196, 24, 203, 2.5f, hex(0x10002b));
    c.line(14, 192, 32, 210, 1, hex(0x10002b));
    c.polyline({{56, 208}, {62, 196}, {72, 192}, {80, 198}}, 4, hex(0x10002b));
    c.polygon({{78, 196}, {84, 194}, {82, 201}}, hex(0x10002b));
    c.polygon({{64, 195}, {66, 189}, {69, 194}}, hex(0x10002b));
    c.rect(154, 196, 6, 12, hex(0x10002b));
    c.polygon({{151, 208}, {163, 208}, {157, 214}}, hex(0x10002b));
    c.circle(157, 193, 2, hex(0xff4d6d));
    glow(c, 157, 193, 7, hex(0xff4d6d), 0.5f);
    c.ellipse(6, 222, 16, 7, hex(0x10002b));
    sailboat(c, 214, 219, 5, hex(0x10002b), hex(0x10002b));
    c.circle(219, 216, 1.3f, hex(0xffd60a));
    glow(c, 219, 216, 9, hex(0xffd60a), 0.5f);
    c.line(34, 204, 34, 196, 0.8f, hex(0x10002b));
    c.circle(34, 195, 1.8f, hex(0xffd60a));
    glow(c, 34, 197, 12, hex(0xffd60a), 0.55f);
    for (int k = 0; k < 3; ++k)
        c.line(192 + k * 4.0f, 212 + k * 3.0f, 204 + k * 4.0f, 212 + k * 3.0f, 1, hex(0xff70a6),
               0.7f);
    grain(c, 0.04f, 14);
}

void level_rose_window(canvas& c) {
    c.fill(hex(0x5c4d3c));
    c.shade(0, 0, 225, 225, [](float x, float y, color& p) {
        float brick = (static_cast<int>(y / 9) % 2) ? std::fmod(x + 9, 18) : std::fmod(x, 18);
        float mortar = (std::fmod(y, 9) < 1 || brick < 1) ? 0.75f : 1.0f;
        p = scale_color(mix(hex(0x8d7b68), hex(0xa4907c), value_noise(x / 9, y / 9, 3)), mortar);
    });
    const float cx = 112.5f, cy = 112.5f;
    c.circle(cx, cy, 108, hex(0x3b2f2f));
    const std::uint32_t glass[] = {0xd00000, 0x0077b6, 0xffba08, 0x2a9d8f,
                                   0x7b2cbf, 0xf77f00, 0x00b4d8, 0xe5383b};
    // Rings of panes, each sector and ring its own colour, with leading between them.
    c.shade(0, 0, 225, 225, [&](float x, float y, color& p) {
        float dx = x - cx, dy = y - cy, d = std::hypot(dx, dy);
        if (d > 103)
            return;
        float a = std::atan2(dy, dx) + kPi;
        int ring = d < 22 ? 0 : (d < 50 ? 1 : (d < 78 ? 2 : 3));
        int sectors = ring == 0 ? 1 : (ring == 1 ? 8 : (ring == 2 ? 12 : 16));
        int sector = static_cast<int>(a / (2 * kPi) * sectors);
        color pane = hex(glass[(sector * 3 + ring * 5) % 8]);
        float shade = 0.75f + 0.35f * value_noise(x / 6, y / 6,
                                                  static_cast<std::uint32_t>(ring * 31 + sector));
        p = scale_color(pane, shade);
        // Lead lines: ring borders and sector borders.
        float edge_r = std::fmin(std::fmin(std::fabs(d - 22), std::fabs(d - 50)),
                                 std::fmin(std::fabs(d - 78), std::fabs(d - 103)));
        float sector_pos = std::fmod(a / (2 * kPi) * sectors, 1.0f);
        float edge_a = std::fmin(sector_pos, 1 - sector_pos) * (2 * kPi / sectors) * d;
        if (ring == 0)
            edge_a = 10;
        float lead = std::fmin(edge_r, edge_a);
        if (lead < 1.4f)
            p = mix(hex(0x1b1b1b), p, clampf(lead - 0.4f, 0, 1));
    });
    // Small features in the middle panes: a star, petals.
    star(c, cx, cy, 16, 0.45f, 8, hex(0xfff3b0));
    c.circle(cx, cy, 5, hex(0xd00000));
    for (int k = 0; k < 12; ++k) {
        float a = k * kPi / 6 + kPi / 12;
        c.circle(cx + std::cos(a) * 64, cy + std::sin(a) * 64, 5, hex(0xfff3b0), 0.9f);
        c.ring(cx + std::cos(a) * 64, cy + std::sin(a) * 64, 5, 1.2f, hex(0x1b1b1b));
    }
    for (int k = 0; k < 8; ++k) {
        float a = k * kPi / 4;
        c.ellipse(cx + std::cos(a) * 36, cy + std::sin(a) * 36, 5, 5, hex(0xffffff), 0.5f);
    }
    c.ring(cx, cy, 105, 5, hex(0xc9ada7));
    // Corner ornaments, each different.
    c.circle(14, 14, 9, hex(0xffba08));
    star(c, 211, 14, 10, 0.4f, 6, hex(0x00b4d8));
    c.polygon({{4, 221}, {24, 221}, {14, 201}}, hex(0xe5383b));
    flower(c, 211, 211, 11, hex(0x7b2cbf), hex(0xffba08), 5);
    grain(c, 0.04f, 15);
}

void level_sweets(canvas& c) {
    // The paper lies in light at the top and deepens to rose towards the front.
    sky(c, 0, 225, hex(0xffe6f1), hex(0xf5a3c7));
    c.shade(0, 0, 225, 225, [](float x, float y, color& p) {
        float gx = std::fmod(x + (static_cast<int>(y / 18) % 2) * 9, 18) - 9,
              gy = std::fmod(y, 18) - 9;
        if (gx * gx + gy * gy < 6)
            p = hex(0xffffff);
    });
    // Lollipop with a swirl.
    c.line(45, 70, 45, 130, 3, hex(0xfefae0));
    c.circle(45, 48, 26, hex(0xff006e));
    c.shade(19, 22, 71, 74, [](float x, float y, color& p) {
        float dx = x - 45, dy = y - 48, d = std::hypot(dx, dy);
        if (d < 25 && std::sin(d * 0.55f - std::atan2(dy, dx) * 2) > 0.2f)
            p = hex(0xfff0f6);
    });
    // Donut with sprinkles.
    c.circle(165, 50, 30, hex(0xd4a373));
    c.circle(165, 48, 26, hex(0x8338ec));
    c.circle(165, 50, 9, hex(0xffd6e8));
    rng r(81);
    const std::uint32_t bits[] = {0xffbe0b, 0x3a86ff, 0xfb5607, 0xffffff, 0x06d6a0};
    for (int k = 0; k < 30; ++k) {
        float a = r.uniform(0, 2 * kPi), d = r.uniform(12, 24);
        float x = 165 + std::cos(a) * d, y = 48 + std::sin(a) * d, t = r.uniform(0, kPi);
        c.line(x, y, x + std::cos(t) * 3, y + std::sin(t) * 3, 1.3f, hex(bits[r.below(5)]));
    }
    // Cupcake.
    c.polygon({{88, 170}, {138, 170}, {132, 205}, {94, 205}}, hex(0x3a86ff));
    for (int k = 0; k < 6; ++k)
        c.line(94 + k * 8.0f, 171, 96 + k * 7.0f, 204, 1, hex(0x1d4ed8));
    c.ellipse(113, 165, 30, 12, hex(0xfff0f6));
    c.ellipse(113, 152, 22, 10, hex(0xfff0f6));
    c.ellipse(113, 141, 13, 8, hex(0xfff0f6));
    c.circle(113, 130, 6, hex(0xd00000));
    c.line(113, 124, 117, 116, 1, hex(0x2d6a4f));
    // Ice cream cone.
    c.polygon({{180, 150}, {214, 150}, {197, 212}}, hex(0xe9c46a));
    for (int k = 0; k < 5; ++k) {
        c.line(180 + k * 7.0f, 150, 197 + k * 2.0f, 200, 0.8f, hex(0xbc8a5f));
        c.line(214 - k * 7.0f, 150, 197 - k * 2.0f, 200, 0.8f, hex(0xbc8a5f));
    }
    c.circle(197, 140, 16, hex(0xb5e48c));
    c.circle(187, 120, 13, hex(0xffafcc));
    c.circle(206, 118, 12, hex(0xfdf0d5));
    c.circle(197, 104, 6, hex(0xd00000));
    // Candy cane, wrapped sweets, a macaron stack.
    std::vector<pt> cane = {{30, 215}, {30, 170}};
    for (int k = 0; k <= 8; ++k)
        cane.push_back({40 - 10 * std::cos(k * kPi / 8), 170 - 10 * std::sin(k * kPi / 8)});
    c.polyline(cane, 7, hex(0xffffff));
    for (int k = 0; k < 6; ++k)
        c.line(27, 210 - k * 8.0f, 33, 206 - k * 8.0f, 2.5f, hex(0xe63946));
    auto wrapped = [&](float x, float y, color col) {
        c.polygon({{x - 16, y - 6}, {x - 8, y}, {x - 16, y + 6}}, col);
        c.polygon({{x + 16, y - 6}, {x + 8, y}, {x + 16, y + 6}}, col);
        c.ellipse(x, y, 10, 7, col);
        c.ellipse(x - 3, y - 2, 4, 2, hex(0xffffff), 0.5f);
    };
    wrapped(95, 100, hex(0xffbe0b));
    wrapped(150, 110, hex(0x06d6a0));
    wrapped(60, 150, hex(0xfb5607));
    color bear = hex(0xef233c);
    c.circle(112, 14, 6, bear);
    c.circle(107, 9, 2.5f, bear);
    c.circle(117, 9, 2.5f, bear);
    c.ellipse(112, 28, 7, 9, bear);
    c.circle(106, 24, 2.5f, bear);
    c.circle(118, 24, 2.5f, bear);
    c.circle(106, 35, 3, bear);
    c.circle(118, 35, 3, bear);
    c.circle(110, 13, 0.9f, hex(0x111111));
    c.circle(114, 13, 0.9f, hex(0x111111));
    c.circle(105, 64, 7, hex(0xe9c46a));
    c.circle(117, 64, 7, hex(0xe9c46a));
    c.polygon({{98.5f, 67}, {123.5f, 67}, {111, 80}}, hex(0xe9c46a));
    c.circle(105, 63, 4, hex(0xff70a6));
    c.circle(117, 63, 4, hex(0xff70a6));
    c.polygon({{101.5f, 65}, {120.5f, 65}, {111, 74}}, hex(0xff70a6));
    c.round_rect(50, 192, 34, 22, 2, hex(0x6f4518));
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 2; ++j)
            c.round_rect(52 + i * 11.0f, 194 + j * 10.0f, 9, 8, 1, hex(0x8b5a2b));
    c.polygon({{50, 203}, {84, 199}, {84, 214}, {50, 214}}, hex(0xc1121f));
    c.rect(50, 205, 34, 3, hex(0xffd60a));
    const std::uint32_t mac[] = {0x90e0ef, 0xc8b6ff, 0xb5e48c};
    for (int k = 0; k < 3; ++k) {
        float y = 214 - k * 11.0f;
        c.round_rect(142, y - 5, 30, 10, 5, hex(mac[k]));
        c.rect(144, y - 1, 26, 2, hex(0xfefae0));
    }
    // A wrapped toffee and a jelly bean on the paper.
    c.polygon({{8, 106}, {16, 112}, {8, 118}}, hex(0x4cc9f0));
    c.polygon({{38, 106}, {30, 112}, {38, 118}}, hex(0x4cc9f0));
    c.ellipse(23, 112, 9, 6, hex(0x4361ee));
    c.line(18, 110, 28, 110, 1, hex(0xffffff), 0.7f);
    c.ellipse(158, 152, 8, 5, hex(0x80ed99));
    c.ellipse(155, 150, 3, 1.5f, hex(0xffffff), 0.6f);
    c.ellipse(170, 164, 6, 4, hex(0xffbe0b));
    grain(c, 0.03f, 16);
}

void level_garden(canvas& c) {
    sky(c, 0, 130, hex(0x48cae4), hex(0xcaf0f8));
    // The sky deepens away from the sun, whose heart burns white.
    c.shade(0, 0, 225, 130, [](float x, float y, color& p) {
        p = mix(p, hex(0x1a6fb8), 0.6f * (1 - x / 225) * (1 - 0.7f * y / 130));
    });
    c.shape(
        185, 10, 215, 40, [](float x, float y) { return std::hypot(x - 200, y - 25) - 14; },
        [](float x, float y) {
            return mix(hex(0xfffbe6), hex(0xffd60a),
                       smoothstep(5, 14, std::hypot(x - 200, y - 25)));
        });
    glow(c, 200, 25, 34, hex(0xfff3b0), 0.5f);
    cloud(c, 60, 25, 12);
    cloud(c, 140, 45, 9);
    bird(c, 20, 18, 4, hex(0x264653));
    bird(c, 31, 26, 3, hex(0x264653));
    c.rect(0, 130, 225, 95, hex(0x74c69d));
    // Picket fence across the middle.
    for (int k = 0; k < 15; ++k) {
        float x = 2 + k * 15.0f;
        c.polygon({{x, 140}, {x, 95}, {x + 5, 89}, {x + 10, 95}, {x + 10, 140}}, hex(0xfefae0));
    }
    c.rect(0, 102, 225, 5, hex(0xe9edc9));
    c.rect(0, 125, 225, 5, hex(0xe9edc9));
    // A robin on the fence, then the bird house on a pole.
    c.ellipse(70, 97, 6, 4.5f, hex(0x6f4518));
    c.circle(75, 93, 3.2f, hex(0x6f4518));
    c.ellipse(71, 99, 3.5f, 2.5f, hex(0xf77f00));
    c.polygon({{78, 92}, {81, 93}, {78, 94}}, hex(0xffb703));
    c.circle(76, 92, 0.7f, hex(0x111111));
    // Bird house on a pole.
    c.rect(108, 40, 4, 60, hex(0x7f5539));
    c.rect(98, 28, 24, 20, hex(0xbc4749));
    c.polygon({{94, 30}, {110, 16}, {126, 30}}, hex(0x6a040f));
    c.circle(110, 37, 4, hex(0x3d2c1f));
    // Sunflowers, roses and tulips in the beds.
    auto sunflower = [&](float x, float top) {
        c.line(x, top, x, 225, 2.5f, hex(0x2d6a4f));
        c.ellipse(x + 6, top + 30, 6, 3, hex(0x40916c));
        flower(c, x, top, 14, hex(0xffc300), hex(0x6f4518), 12);
    };
    sunflower(25, 80);
    sunflower(190, 75);
    auto rose = [&](float x, float y, color col) {
        c.line(x, y, x, 225, 1.6f, hex(0x2d6a4f));
        c.circle(x, y, 7, col);
        c.ring(x, y, 3.5f, 1, scale_color(col, 0.7f));
        c.ellipse(x + 5, y + 12, 4, 2, hex(0x40916c));
    };
    rose(60, 160, hex(0xe63946));
    rose(78, 172, hex(0xff70a6));
    rose(150, 165, hex(0xf77f00));
    rose(168, 178, hex(0xe63946));
    for (int k = 0; k < 8; ++k) {
        float x = 10 + k * 29.0f, y = 200 + (k % 3) * 6.0f;
        flower(c, x, y, 6, hex(k % 2 ? 0x9d4edd : 0xffffff), hex(0xffd60a), 5);
    }
    // Watering can, butterflies, a bee, a snail.
    c.round_rect(100, 180, 28, 22, 4, hex(0x0096c7));
    c.polygon({{126, 188}, {146, 172}, {148, 175}, {128, 194}}, hex(0x0096c7));
    c.ring(104, 186, 7, 2.5f, hex(0x0096c7));
    c.ellipse(147, 173, 3, 2, hex(0x023e8a));
    butterfly(c, 60, 60, 8, hex(0xff9e00), hex(0x222222));
    butterfly(c, 160, 120, 6, hex(0x7b2cbf), hex(0xffffff));
    butterfly(c, 30, 140, 5, hex(0x00b4d8), hex(0xffd60a));
    c.ellipse(150, 60, 6, 4, hex(0xffd60a));
    c.line(148, 57, 148, 63, 1.3f, hex(0x222222));
    c.line(152, 57, 152, 63, 1.3f, hex(0x222222));
    c.ellipse(149, 55, 4, 2.5f, hex(0xffffff), 0.7f);
    c.ellipse(112, 158, 9, 5, hex(0x40916c));
    c.circle(114, 156, 3.5f, hex(0xe63946));
    c.circle(117, 154, 1.6f, hex(0x222222));
    c.circle(113, 155, 0.9f, hex(0x222222));
    c.circle(115, 158, 0.9f, hex(0x222222));
    c.circle(210, 215, 6, hex(0xbc6c25));
    c.ring(210, 215, 3, 1, hex(0x6f4518));
    c.ellipse(205, 221, 10, 2.5f, hex(0xa3b18a));
    grain(c, 0.04f, 17);
}

void level_train(canvas& c) {
    sky(c, 0, 140, hex(0x90e0ef), hex(0xf1faee));
    // Morning light from the left: the sky deepens towards the right and up.
    c.shade(0, 0, 225, 140, [](float x, float y, color& p) {
        p = mix(p, hex(0x3a8fd0), 0.55f * (x / 225) * (1 - y / 140));
    });
    cloud(c, 35, 25, 12);
    cloud(c, 175, 18, 10);
    cloud(c, 112, 32, 8, hex(0xffffff), 0.9f);
    bird(c, 70, 20, 4, hex(0x1d3557));
    bird(c, 84, 12, 3, hex(0x1d3557));
    bird(c, 205, 45, 4, hex(0x1d3557));
    c.circle(68, 36, 8, hex(0xff595e));
    c.polygon({{61, 40}, {75, 40}, {70, 48}, {66, 48}}, hex(0xff595e));
    c.rect(65.5f, 50, 5, 4, hex(0x8b5a2b));
    c.line(66, 48, 66.5f, 50, 0.4f, hex(0x5a3a22));
    c.line(70, 48, 69.5f, 50, 0.4f, hex(0x5a3a22));
    c.rect(64, 34, 8, 3, hex(0xffca3a));
    c.ellipse(205, 22, 14, 2.5f, hex(0xffffff), 0.8f);
    c.polygon({{146, 30}, {152, 22}, {158, 30}, {152, 40}}, hex(0x8ac926));
    c.polyline({{152, 40}, {150, 48}, {154, 56}}, 0.5f, hex(0x1d3557));
    hills(c, 70, 12, 60, 41, hex(0x95d5b2), hex(0x74c69d), 225);
    hills(c, 100, 8, 40, 42, hex(0x52b788), hex(0x40916c), 225);
    // The valley under the viaduct lies in its shadow, so the arches read dark against the stone.
    c.shade(0, 136, 225, 200, [](float, float y, color& p) {
        p = mix(p, hex(0x1b4332), 0.45f + 0.2f * (y - 136) / 64);
    });
    // River in the valley, catching the light on the left.
    c.polygon({{0, 200}, {60, 185}, {140, 195}, {225, 180}, {225, 225}, {0, 225}}, hex(0x0077b6));
    c.shade(0, 180, 225, 225, [](float x, float, color& p) {
        if (p.b > 0.6f && p.r < 0.1f)
            p = mix(p, hex(0x7fd3f0), 0.5f * (1 - x / 225));
    });
    for (int k = 0; k < 12; ++k)
        c.line(10 + k * 18.0f, 205 + (k % 3) * 5.0f, 18 + k * 18.0f, 205 + (k % 3) * 5.0f, 0.8f,
               hex(0xcaf0f8), 0.7f);
    // What shows through the arches: a cottage, a tree, the lane, a haystack, a pine.
    house(c, 6, 182, 18, 12, hex(0xfefae0), hex(0xc1121f));
    round_tree(c, 55, 186, 34, hex(0x74c69d), hex(0x5d4037));
    c.polygon({{92, 150}, {98, 150}, {110, 200}, {82, 200}}, hex(0xe9c46a));
    c.ellipse(135, 178, 9, 9, hex(0xf2cc8f));
    c.line(128, 174, 142, 174, 0.8f, hex(0xbc8a5f));
    pine(c, 215, 190, 34, hex(0x1b4332));
    // The viaduct: a deck on arches, lit from the left. The valley floor rises to the right, so
    // the arches spring higher on the left and lower on the right.
    c.rect(0, 128, 225, 8, hex(0xb08968));
    for (int k = 0; k < 6; ++k) {
        float x = k * 40.0f - 5, spring = 156 + k * 4.0f;
        c.shape(
            x, 136, x + 40, 200,
            [=](float px, float py) {
                float outside = std::fmax(x - px, px - (x + 40));
                float arch =
                    13 - std::hypot(px - (x + 20), (py - spring) * (py < spring ? 1.0f : 0.0f));
                float hole = py > spring ? 13 - std::fabs(px - (x + 20)) : arch;
                return std::fmax(std::fmax(outside, std::fmax(136 - py, py - 200)), hole);
            },
            [](float px, float py) {
                color brick = mix(hex(0xb08968), hex(0x7f5539),
                                  0.5f + 0.5f * std::sin(px * 0.8f) * std::sin(py * 0.8f));
                return scale_color(brick, 1.2f - 0.45f * px / 225);
            });
    }
    // The train: engine with smoke, coloured carriages.
    c.rect(20, 108, 40, 20, hex(0x2b2d42));
    c.rect(20, 95, 16, 14, hex(0x2b2d42));
    c.rect(23, 98, 10, 7, hex(0xffd166));
    c.rect(44, 96, 7, 12, hex(0x2b2d42));
    c.rect(42, 94, 11, 3, hex(0xd62828));
    c.polygon({{60, 115}, {68, 128}, {60, 128}}, hex(0xd62828));
    c.rect(20, 118, 40, 3, hex(0xd62828));
    for (int k = 0; k < 3; ++k)
        c.circle(28 + k * 13.0f, 128, 5, hex(0x111111));
    const std::uint32_t cars[] = {0xe63946, 0x3a86ff, 0xffbe0b, 0x06d6a0};
    for (int k = 0; k < 4; ++k) {
        float x = 70 + k * 39.0f;
        c.round_rect(x, 104, 35, 22, 3, hex(cars[k]));
        c.rect(x, 102, 35, 3, scale_color(hex(cars[k]), 0.7f));
        for (int w = 0; w < 3; ++w)
            c.rect(x + 4 + w * 10.0f, 108, 7, 7, hex(0xf1faee));
        c.circle(x + 8, 128, 4, hex(0x111111));
        c.circle(x + 27, 128, 4, hex(0x111111));
        c.line(x - 4, 122, x, 122, 1.5f, hex(0x333333));
    }
    for (int k = 0; k < 5; ++k)
        c.circle(50 - k * 9.0f, 85 - k * 13.0f, 6 + k * 2.0f, hex(0xffffff), 0.85f - k * 0.1f);
    pine(c, 200, 100, 26, hex(0x1b4332));
    pine(c, 215, 104, 20, hex(0x2d6a4f));
    round_tree(c, 130, 85, 26, hex(0x2d6a4f), hex(0x5d4037));
    for (int k = 0; k < 3; ++k) {
        float x = 98 + k * 12.0f, y = 208 + (k % 2) * 5.0f;
        c.ellipse(x, y, 5, 3, hex(0xfefae0));
        c.circle(x + 4, y - 3, 2.3f, hex(0x2d6a4f));
        c.polygon({{x + 6, y - 3.5f}, {x + 9, y - 2.5f}, {x + 6, y - 2}}, hex(0xf77f00));
    }
    c.polygon({{150, 205}, {190, 205}, {185, 214}, {155, 214}}, hex(0xffbe0b));
    c.line(170, 205, 170, 190, 1, hex(0x444444));
    c.polygon({{171, 190}, {171, 203}, {182, 203}}, hex(0xffffff));
    grain(c, 0.04f, 18);
}

void level_castle(canvas& c) {
    sky(c, 0, 150, hex(0x4361ee), hex(0xbde0fe));
    cloud(c, 40, 35, 14);
    cloud(c, 195, 25, 11);
    bird(c, 150, 20, 5, hex(0x1d3557));
    for (int k = 0; k < 4; ++k)
        bird(c, 12 + k * 7.0f, 62 + (k % 2) * 6.0f, 3.5f, hex(0x1d3557));
    cloud(c, 205, 70, 8, hex(0xffffff), 0.9f);
    // Far blue mountains on the left, a wooded hill on the right.
    c.polygon({{-5, 150}, {-5, 104}, {12, 96}, {26, 108}, {40, 100}, {58, 120}, {72, 150}},
              hex(0x6f83bd));
    c.polygon({{4, 100}, {12, 96}, {20, 103}, {12, 101}}, hex(0xe8eefc));
    c.ellipse(215, 150, 42, 36, hex(0x52796f));
    for (int k = 0; k < 5; ++k)
        pine(c, 186 + k * 9.0f, 128 + (k % 2) * 5.0f - (k == 3) * 8.0f, 16, hex(0x2f5d50));
    hills(c, 150, 8, 50, 51, hex(0x57cc99), hex(0x38a3a5), 225);
    c.ellipse(112, 150, 95, 32, hex(0x80ed99));
    // Walls, towers with cone roofs and flags.
    color stone = hex(0xd6ccc2), dark = hex(0xa39e93);
    c.rect(55, 95, 115, 55, stone);
    for (int k = 0; k < 12; ++k)
        c.rect(55 + k * 10.0f, 89, 6, 7, stone);
    auto tower = [&](float x, float top, float w, color roof, color flag) {
        c.rect(x - w / 2, top, w, 150 - top, dark);
        c.rect(x - w / 2 + 2, top, w - 4, 150 - top, stone);
        c.polygon({{x - w / 2 - 3, top}, {x, top - w * 1.3f}, {x + w / 2 + 3, top}}, roof);
        c.line(x, top - w * 1.3f, x, top - w * 1.3f - 12, 1, hex(0x333333));
        c.polygon({{x, top - w * 1.3f - 12}, {x + 10, top - w * 1.3f - 9}, {x, top - w * 1.3f - 6}},
                  flag);
        c.round_rect(x - 2.5f, top + 10, 5, 9, 2.5f, hex(0x3d405b));
    };
    tower(55, 70, 20, hex(0x3a0ca3), hex(0xe63946));
    tower(170, 70, 20, hex(0x3a0ca3), hex(0xffbe0b));
    tower(112, 45, 26, hex(0x7209b7), hex(0x06d6a0));
    c.round_rect(100, 115, 24, 35, 12, hex(0x5e3023));
    for (int k = 0; k < 4; ++k)
        c.line(104 + k * 5.5f, 117, 104 + k * 5.5f, 150, 0.8f, hex(0x3d2c1f));
    // The moat, the drawbridge, the road.
    c.ellipse(112, 162, 100, 10, hex(0x0096c7));
    c.ellipse(112, 160, 96, 6, hex(0x48cae4));
    c.rect(100, 150, 24, 18, hex(0x8d5524));
    c.polygon({{100, 168}, {124, 168}, {160, 225}, {70, 225}}, hex(0xe9c46a));
    // Trees, a knight's tent, a horse-drawn cart.
    c.shade(70, 168, 160, 225, [](float x, float y, color& p) {
        if (p.r > 0.85f && p.g > 0.7f && p.b < 0.5f &&
            (std::fmod(x + (static_cast<int>(y / 5) % 2) * 3, 6) < 0.7f || std::fmod(y, 5) < 0.6f))
            p = scale_color(p, 0.82f);
    });
    for (int k = 0; k < 2; ++k) {
        float x = 14 + k * 18.0f, y = 146 + k * 6.0f;
        c.ellipse(x, y, 6, 4, hex(0xffffff));
        c.circle(x + 5, y - 2, 2.3f, hex(0x333333));
        c.line(x - 3, y + 3, x - 3, y + 6, 1, hex(0x333333));
        c.line(x + 3, y + 3, x + 3, y + 6, 1, hex(0x333333));
    }
    c.line(135, 222, 135, 196, 1.5f, hex(0x6f4518));
    c.polygon({{128, 198}, {146, 198}, {150, 202}, {146, 206}, {128, 206}}, hex(0xdda15e));
    round_tree(c, 20, 200, 40, hex(0x2d6a4f), hex(0x5d4037));
    round_tree(c, 205, 195, 36, hex(0x40916c), hex(0x5d4037));
    c.polygon({{170, 215}, {188, 185}, {206, 215}}, hex(0xe63946));
    c.polygon({{182, 215}, {188, 195}, {194, 215}}, hex(0xfefae0));
    c.polygon({{35, 190}, {55, 190}, {52, 200}, {38, 200}}, hex(0x8d5524));
    c.circle(40, 202, 4, hex(0x3d2c1f));
    c.circle(52, 202, 4, hex(0x3d2c1f));
    c.ellipse(70, 193, 10, 5, hex(0xffffff));
    c.line(66, 197, 66, 205, 1.6f, hex(0xffffff));
    c.line(75, 197, 75, 205, 1.6f, hex(0xffffff));
    c.line(78, 190, 82, 183, 3, hex(0xffffff));
    grain(c, 0.04f, 19);
}

void level_aurora(canvas& c) {
    sky(c, 0, 150, hex(0x03071e), hex(0x14213d));
    stars(c, 150, 90, 91);
    // Curtains of light.
    c.shade(0, 0, 225, 150, [](float x, float y, color& p) {
        float wave = 55 + 22 * std::sin(x * 0.035f) + 10 * std::sin(x * 0.09f + 1);
        float band = std::exp(-std::pow((y - wave) / 16, 2.0f));
        float rays = 0.6f + 0.4f * std::sin(x * 0.5f + fbm(x / 20, 0, 2, 5) * 6);
        p = mix(p, hex(0x38f9a0), clampf(band * rays, 0, 1) * 0.85f);
        float wave2 = 30 + 15 * std::sin(x * 0.05f + 2);
        float band2 = std::exp(-std::pow((y - wave2) / 10, 2.0f));
        p = mix(p, hex(0xc77dff), clampf(band2 * rays, 0, 1) * 0.6f);
    });
    c.circle(190, 20, 7, hex(0xf1faee));
    // Snowy mountains and the frozen lake that mirrors the sky.
    c.polygon({{-5, 150},
               {30, 105},
               {55, 125},
               {90, 90},
               {130, 135},
               {160, 110},
               {195, 95},
               {230, 130},
               {230, 150}},
              hex(0x4a5a78));
    c.polygon({{22, 115}, {30, 105}, {38, 114}}, hex(0xffffff));
    c.polygon({{80, 100}, {90, 90}, {100, 102}}, hex(0xffffff));
    c.polygon({{185, 104}, {195, 95}, {206, 106}}, hex(0xffffff));
    c.shade(0, 150, 225, 185, [](float x, float y, color& p) {
        float my = 300 - y;
        float wave = 55 + 22 * std::sin(x * 0.035f) + 10 * std::sin(x * 0.09f + 1);
        float band = std::exp(-std::pow((my - 150 + 25 - wave) / 20, 2.0f));
        p = mix(hex(0x1d3557), hex(0x38f9a0), band * 0.35f);
        if (std::fmod(y, 7) < 0.6f)
            p = mix(p, hex(0xffffff), 0.15f);
    });
    // Snowy shore with pines, a glowing tent, a fox.
    c.polygon({{0, 180}, {80, 176}, {160, 184}, {225, 178}, {225, 225}, {0, 225}}, hex(0xe9f1ff));
    c.shade(0, 176, 225, 225, [](float x, float y, color& p) {
        if (p.b > 0.95f)
            p = mix(p, hex(0xb8c8e8), value_noise(x / 8, y / 8, 7) * 0.4f);
    });
    pine(c, 15, 200, 45, hex(0x081c15), hex(0xffffff));
    pine(c, 40, 196, 32, hex(0x1b4332), hex(0xffffff));
    pine(c, 210, 205, 50, hex(0x081c15), hex(0xffffff));
    c.polygon({{100, 210}, {122, 182}, {144, 210}}, hex(0xf77f00));
    c.polygon({{116, 210}, {122, 192}, {128, 210}}, hex(0xffd166));
    glow(c, 122, 205, 30, hex(0xffb703), 0.35f);
    c.ellipse(175, 205, 8, 5, hex(0xe76f51));
    c.circle(183, 200, 4, hex(0xe76f51));
    c.polygon({{181, 197}, {182, 192}, {185, 197}}, hex(0xe76f51));
    c.polyline({{167, 205}, {160, 200}, {158, 208}}, 3, hex(0xe76f51));
    c.line(66, 215, 84, 212, 1.5f, hex(0x6f4518));
    c.line(68, 210, 82, 217, 1.5f, hex(0x6f4518));
    c.circle(75, 210, 3, hex(0xffb703), 0.9f);
    glow(c, 75, 208, 12, hex(0xffb703), 0.4f);
    grain(c, 0.04f, 20);
}

namespace {

struct level_entry {
    void (*draw)(canvas&);
    const char* title;
};

const level_entry kLevels[kLevelCount] = {
    {level_lighthouse, "lighthouse bay"},
    {level_lake, "mountain lake"},
    {level_city, "city at night"},
    {level_balloons, "hot-air balloons"},
    {level_reef, "coral reef"},
    {level_fruit, "fruit on the table"},
    {level_space, "outer space"},
    {level_farm, "farm"},
    {level_tulips, "tulip fields"},
    {level_desert, "desert oasis"},
    {level_quilt, "patchwork quilt"},
    {level_autumn, "autumn wood"},
    {level_winter, "winter village"},
    {level_island, "island sunset"},
    {level_rose_window, "rose window"},
    {level_sweets, "sweets"},
    {level_garden, "garden"},
    {level_train, "train on a viaduct"},
    {level_castle, "castle"},
    {level_aurora, "northern lights"},
};

} // namespace

canvas draw_level(int number, int scale) {
    canvas c(225 * scale, 225 * scale, static_cast<float>(scale));
    c.fill(hex(0x000000));
    kLevels[(number - 1) % kLevelCount].draw(c);
    return c;
}

const char* level_title(int number) {
    return kLevels[(number - 1) % kLevelCount].title;
}
