// Level pictures 1 to 10: bay, lake, city, balloons, reef, fruit, space, farm, tulips, desert.
#include <cmath>

#include "tools/art_kit.h"
#include "tools/levels.h"

using namespace kit;

namespace {
const float kPi = 3.14159265358979f;
}

void level_lighthouse(canvas& c) {
    sky(c, 0, 120, hex(0x4aa8f0), hex(0xd8f1ff));
    // The sky deepens away from the land; the sun burns white at its heart.
    c.shade(0, 0, 225, 120, [](float x, float y, color& p) {
        p = mix(p, hex(0x1f7fd0), 0.55f * (x / 225) * (1 - y / 120));
    });
    glow(c, 185, 62, 40, hex(0xfff2b0), 0.6f);
    c.shape(
        170, 47, 200, 77, [](float x, float y) { return std::hypot(x - 185, y - 62) - 14; },
        [](float x, float y) {
            return mix(hex(0xfffae0), hex(0xffd84a),
                       smoothstep(6, 14, std::hypot(x - 185, y - 62)));
        });
    cloud(c, 105, 28, 16);
    cloud(c, 205, 18, 11);
    cloud(c, 140, 85, 9, hex(0xffffff), 0.85f);
    bird(c, 98, 62, 5, hex(0x34495e));
    bird(c, 120, 52, 4, hex(0x34495e));
    // Sea with wave highlights, a far island.
    c.ellipse(150, 121, 30, 6, hex(0x5f8f7a));
    sky(c, 120, 190, hex(0x2d9cdb), hex(0x0b5c8e));
    c.rect(0, 186, 225, 10, hex(0x0b5c8e));
    rng r(3);
    for (int i = 0; i < 40; ++i) {
        float x = r.uniform(70, 225), y = r.uniform(124, 185), w = r.uniform(4, 10);
        c.line(x, y, x + w, y, 0.8f, hex(0xbfe8ff), 0.6f);
    }
    // Headland with the lighthouse.
    c.polygon({{0, 95}, {20, 88}, {55, 92}, {78, 118}, {90, 150}, {70, 190}, {0, 190}},
              hex(0x7d6b5d));
    c.polygon({{0, 120}, {40, 110}, {70, 135}, {80, 190}, {0, 190}}, hex(0x5e5047));
    c.polygon({{0, 92}, {20, 86}, {55, 90}, {60, 97}, {0, 100}}, hex(0x4caf50));
    c.shade(0, 95, 90, 190, [](float x, float y, color& p) {
        if (p.r < 0.55f && p.r > 0.3f && p.b < p.r)
            p = scale_color(p, 0.75f + 0.5f * fbm(x / 9, y / 9, 3, 71));
    });
    c.polyline({{10, 130}, {18, 145}, {14, 160}, {24, 175}}, 1, hex(0x3b312b));
    c.polyline({{50, 128}, {44, 150}, {56, 170}}, 1, hex(0x3b312b));
    c.ellipse(24, 168, 7, 4.5f, hex(0xd62828));
    c.circle(19, 161, 3, hex(0xd62828));
    c.circle(29, 161, 3, hex(0xd62828));
    c.circle(22, 165, 1, hex(0x111111));
    c.circle(26, 165, 1, hex(0x111111));
    c.polygon({{33, 92}, {57, 92}, {53, 25}, {37, 25}}, hex(0xffffff));
    for (int i = 0; i < 3; ++i) {
        float y0 = 30 + i * 22;
        c.polygon({{37.4f - i * 1.1f, y0 + 8},
                   {52.6f + i * 1.1f, y0 + 8},
                   {53 + i * 1.3f, y0 + 18},
                   {37 - i * 1.3f, y0 + 18}},
                  hex(0xe63946));
    }
    c.rect(35, 17, 20, 9, hex(0x2b2d42));
    c.rect(37, 18.5f, 16, 6, hex(0xfff3a0));
    c.polygon({{33, 17}, {57, 17}, {45, 7}}, hex(0xe63946));
    c.polygon({{53, 19}, {110, 5}, {110, 35}, {53, 24}}, hex(0xfff8c0), 0.35f);
    c.rect(41, 78, 8, 14, hex(0x2b2d42));
    // Boats, a buoy and foam on the rocks.
    sailboat(c, 150, 152, 14, hex(0x8d5524), hex(0xffffff));
    sailboat(c, 208, 138, 7, hex(0x264653), hex(0xffb703));
    c.rect(108, 160, 6, 8, hex(0xe63946));
    c.polygon({{106, 168}, {116, 168}, {111, 174}}, hex(0xffffff));
    for (int i = 0; i < 6; ++i)
        c.circle(80 + i * 3.0f, 150 + i * 7.0f, 3, hex(0xffffff), 0.8f);
    // Beach: sand, umbrella, towel, starfish, bucket, shells.
    c.polygon({{0, 188}, {80, 184}, {150, 192}, {225, 186}, {225, 225}, {0, 225}}, hex(0xf2d49b));
    c.shade(0, 184, 225, 225, [](float x, float y, color& p) {
        if (p.r > 0.9f && p.b < 0.7f)
            p = scale_color(p, 0.92f + 0.12f * value_noise(x * 0.8f, y * 0.8f, 9));
    });
    c.line(170, 180, 176, 218, 1.6f, hex(0x6d4c41));
    for (int i = 0; i < 6; ++i) {
        float a0 = kPi + i * kPi / 6, a1 = a0 + kPi / 6;
        c.polygon({{170, 180},
                   {170 + 30 * std::cos(a0), 186 + 14 * std::sin(a0)},
                   {170 + 30 * std::cos(a1), 186 + 14 * std::sin(a1)}},
                  i % 2 ? hex(0xffffff) : hex(0xe63946));
    }
    c.polygon({{120, 205}, {158, 200}, {163, 214}, {125, 219}}, hex(0x3a86ff));
    c.line(122, 209, 160, 204, 2, hex(0xffbe0b));
    star(c, 30, 207, 10, 0.45f, 5, hex(0xff7b54), 0.3f);
    c.polygon({{82, 198}, {96, 198}, {94, 214}, {84, 214}}, hex(0xffbe0b));
    c.line(82, 198, 89, 190, 1, hex(0x444444));
    c.line(96, 198, 89, 190, 1, hex(0x444444));
    c.ellipse(205, 212, 6, 4, hex(0xffe5ec));
    c.rect(100, 204, 24, 14, hex(0xd9a95b));
    c.rect(104, 194, 16, 10, hex(0xd9a95b));
    for (int i = 0; i < 4; ++i)
        c.rect(100 + i * 7.0f, 200, 3, 4, hex(0xd9a95b));
    c.rect(109, 210, 6, 8, hex(0x8d5a2b));
    c.line(112, 194, 112, 184, 0.8f, hex(0x444444));
    c.polygon({{112, 184}, {120, 187}, {112, 190}}, hex(0xe63946));
    c.ellipse(60, 218, 4, 3, hex(0xffc8dd));
    grain(c, 0.06f, 1);
}

void level_lake(canvas& c) {
    sky(c, 0, 120, hex(0x6fb7ff), hex(0xe9f6ff));
    cloud(c, 40, 20, 12);
    cloud(c, 160, 30, 15);
    bird(c, 205, 15, 5, hex(0x2b2d42));
    bird(c, 90, 42, 4, hex(0x2b2d42));
    bird(c, 60, 30, 3.5f, hex(0x2b2d42));
    cloud(c, 72, 14, 6, hex(0xffffff), 0.9f);
    std::vector<pt> range1 = {{-5, 120}, {20, 70},  {45, 40},  {70, 75},  {100, 28},
                              {135, 80}, {165, 50}, {200, 85}, {230, 60}, {230, 120}};
    c.polygon(range1, hex(0x6b7a99));
    c.polygon({{34, 55}, {45, 40}, {56, 57}, {48, 53}, {42, 60}}, hex(0xffffff));
    c.polygon({{86, 48}, {100, 28}, {115, 50}, {104, 46}, {96, 55}}, hex(0xffffff));
    c.polygon({{154, 64}, {165, 50}, {176, 65}, {168, 62}, {160, 68}}, hex(0xffffff));
    c.polygon({{-5, 120}, {30, 92}, {70, 112}, {120, 88}, {180, 110}, {230, 95}, {230, 120}},
              hex(0x3f6e4e));
    // Lake: the range mirrored, darker and bluer, with ripples.
    sky(c, 120, 185, hex(0x4f8fc0), hex(0x1f5f8f));
    c.rect(0, 182, 225, 10, hex(0x1f5f8f));
    std::vector<pt> mirror;
    for (const pt& p : range1)
        mirror.push_back({p.x, 240 - p.y});
    c.polygon(mirror, hex(0x43688c), 0.55f);
    // The pines' shadow darkens the water on the left; open water on the right holds the light.
    c.shade(0, 120, 225, 192, [](float x, float, color& p) {
        p = scale_color(p, 0.72f + 0.5f * smoothstep(20, 200, x));
    });
    for (int i = 0; i < 9; ++i) {
        float x = 6 + i * 12.0f, h = 20 + (i % 3) * 6.0f;
        c.polygon({{x - h * 0.36f, 124}, {x + h * 0.36f, 124}, {x, 124 + h}}, hex(0x0f2e22), 0.6f);
    }
    for (int i = 0; i < 30; ++i) {
        float x = std::fmod(i * 37.0f, 225), y = 126 + std::fmod(i * 13.7f, 58);
        c.line(x, y, x + 9, y, 0.7f, hex(0xdff3ff), 0.5f);
    }
    for (int i = 0; i < 9; ++i)
        pine(c, 6 + i * 12.0f, 123, 20 + (i % 3) * 6, hex(0x1f5c3a));
    house(c, 165, 123, 24, 15, hex(0x8b5a2b), hex(0xc1121f));
    c.rect(182, 97, 3, 8, hex(0x555555));
    c.circle(184, 93, 3, hex(0xdddddd), 0.6f);
    c.circle(187, 87, 4, hex(0xdddddd), 0.45f);
    // Water lilies, a swan and a jetty.
    for (int k = 0; k < 5; ++k) {
        float x = 10 + k * 7.0f, y = 150 + (k % 2) * 8.0f + k * 2.0f;
        c.ellipse(x, y, 4, 2, hex(0x2d6a4f));
        if (k % 2 == 0)
            c.circle(x, y - 1, 1.3f, hex(0xffafcc));
    }
    c.ellipse(158, 165, 7, 3.5f, hex(0xffffff));
    c.polyline({{162, 164}, {165, 158}, {163, 153}}, 1.4f, hex(0xffffff));
    c.polygon({{162, 152}, {166, 153}, {162, 154.5f}}, hex(0xff9f1c));
    c.rect(188, 152, 37, 4, hex(0x8d5524));
    for (int k = 0; k < 4; ++k)
        c.rect(190 + k * 10.0f, 156, 1.6f, 10, hex(0x5c3d2e));
    c.rect(212, 146, 3, 6, hex(0x264653));
    c.circle(213.5f, 144, 2, hex(0xf5cba7));
    // A rowing boat with a fisher.
    c.polygon({{78, 160}, {112, 160}, {106, 168}, {84, 168}}, hex(0xd35400));
    c.rect(93, 150, 5, 10, hex(0x2e86de));
    c.circle(95.5f, 147, 3, hex(0xf5cba7));
    c.line(98, 152, 118, 138, 0.7f, hex(0x3b3b3b));
    c.line(118, 138, 120, 160, 0.4f, hex(0x3b3b3b));
    // Meadow with flowers and a path.
    c.polygon({{0, 183}, {225, 188}, {225, 225}, {0, 225}}, hex(0x6ab04c));
    c.polygon({{140, 186}, {160, 186}, {200, 225}, {150, 225}}, hex(0xd9b382));
    rng r(21);
    const std::uint32_t petals[] = {0xff6b6b, 0xffd93d, 0xffffff, 0xc77dff};
    for (int i = 0; i < 22; ++i) {
        float x = r.uniform(4, 135), y = r.uniform(192, 222);
        flower(c, x, y, r.uniform(2.5f, 4.5f), hex(petals[r.below(4)]), hex(0xffb703), 5);
    }
    flower(c, 212, 205, 6, hex(0xff6b6b), hex(0xffd93d), 6);
    butterfly(c, 60, 196, 5, hex(0xffa62b), hex(0x222222));
    grain(c, 0.05f, 2);
}

void level_city(canvas& c) {
    sky(c, 0, 225, hex(0x090d2b), hex(0x4b2a6e));
    stars(c, 120, 70, 31);
    c.circle(190, 30, 15, hex(0xfff4cf));
    c.circle(197, 26, 13, hex(0x0f1233));
    glow(c, 188, 32, 30, hex(0xfff4cf), 0.15f);
    // A shooting star and a plane blinking across the sky.
    c.line(8, 10, 34, 24, 0.8f, hex(0xfff4cf), 0.5f);
    c.line(24, 19, 34, 24, 1.2f, hex(0xffffff), 0.9f);
    c.circle(34, 24, 1.5f, hex(0xffffff));
    c.line(56, 20, 74, 14, 1.6f, hex(0x6c6f93));
    c.line(63, 12, 67, 22, 1.2f, hex(0x6c6f93));
    c.circle(56, 20, 1.4f, hex(0xff3b3b));
    c.circle(74, 14, 1.4f, hex(0x3bff7a));
    glow(c, 56, 20, 5, hex(0xff3b3b), 0.5f);
    rng r(5);
    const std::uint32_t walls[] = {0x242a4a, 0x2d2f55, 0x1e2340, 0x33294f, 0x263457};
    struct b {
        float x, w, h;
    };
    const b blocks[] = {{0, 30, 120},   {28, 26, 150},  {52, 34, 95},
                        {84, 22, 175},  {104, 30, 130}, {132, 26, 110},
                        {156, 34, 155}, {188, 22, 100}, {208, 20, 135}};
    int i = 0;
    for (const b& k : blocks) {
        float top = 200 - k.h;
        c.rect(k.x, top, k.w, k.h, hex(walls[i++ % 5]));
        for (float wy = top + 6; wy < 192; wy += 8)
            for (float wx = k.x + 4; wx < k.x + k.w - 4; wx += 6)
                if (r.below(10) < 5)
                    c.rect(wx, wy, 3, 4, r.below(3) ? hex(0xffd56b) : hex(0x9ad8ff));
    }
    // The tall tower with its antenna and light, a sign on the left.
    c.line(95, 25, 95, 5, 1.2f, hex(0xaaaaaa));
    c.circle(95, 5, 2, hex(0xff3b3b));
    glow(c, 95, 5, 8, hex(0xff3b3b), 0.5f);
    c.round_rect(4, 66, 22, 12, 2, hex(0xff006e));
    c.round_rect(6, 68, 18, 8, 2, hex(0xffc2e2));
    c.round_rect(160, 40, 26, 9, 2, hex(0x00f5d4));
    c.polygon({{156, 45}, {172, 30}, {188, 45}}, hex(0x263457));
    // Street: road, lamps, cars.
    c.rect(0, 200, 225, 25, hex(0x2b2b36));
    for (int k = 0; k < 6; ++k)
        c.rect(5 + k * 40.0f, 211, 18, 2, hex(0xf1f1f1));
    for (int k = 0; k < 4; ++k) {
        float x = 22 + k * 60.0f;
        c.line(x, 200, x, 178, 1.3f, hex(0x8d99ae));
        c.circle(x, 177, 2.5f, hex(0xfff1a8));
        glow(c, x, 180, 14, hex(0xfff1a8), 0.35f);
    }
    auto car = [&](float x, float y, color body, bool right) {
        c.round_rect(x, y - 6, 30, 8, 3, body);
        c.round_rect(x + 6, y - 12, 17, 7, 3, body);
        c.rect(x + 9, y - 10.5f, 5, 4, hex(0x9ad8ff));
        c.rect(x + 16, y - 10.5f, 5, 4, hex(0x9ad8ff));
        c.circle(x + 7, y + 2, 3, hex(0x111111));
        c.circle(x + 23, y + 2, 3, hex(0x111111));
        float lx = right ? x + 30 : x;
        glow(c, lx, y - 3, 12, hex(0xfff6c9), 0.6f);
        c.circle(lx, y - 3, 1.5f, hex(0xffffff));
    };
    car(30, 208, hex(0xe63946), true);
    car(150, 220, hex(0x3a86ff), false);
    grain(c, 0.05f, 3);
}

void level_balloons(canvas& c) {
    sky(c, 0, 180, hex(0x2f8fe8), hex(0xcdeeff));
    // Early light: the sky deepens to the right, a low sun warms the left.
    c.shade(0, 0, 225, 180, [](float x, float y, color& p) {
        p = mix(p, hex(0x1659b0), 0.6f * (x / 225) * (1 - 0.6f * y / 180));
    });
    glow(c, 22, 162, 66, hex(0xfff1c4), 0.6f);
    c.circle(22, 162, 10, hex(0xfff4cf));
    cloud(c, 30, 95, 14);
    cloud(c, 190, 120, 12);
    cloud(c, 120, 20, 10, hex(0xffffff), 0.8f);
    cloud(c, 158, 64, 7, hex(0xffffff), 0.9f);
    cloud(c, 146, 124, 6, hex(0xffffff), 0.9f);
    auto balloon = [&](float x, float y, float r, color a, color b) {
        for (int i = 0; i < 6; ++i) {
            float x0 = x - r + i * r / 3, x1 = x0 + r / 3;
            c.shape(
                x - r, y - r, x + r, y + r * 1.3f,
                [=](float px, float py) {
                    float dy = py > y ? (py - y) / 1.3f : py - y;
                    float d = std::hypot(px - x, dy) - r;
                    return std::fmax(d, std::fmax(x0 - px, px - x1));
                },
                [=](float, float) { return i % 2 ? b : a; });
        }
        c.line(x - r * 0.45f, y + r * 1.15f, x - r * 0.25f, y + r * 1.55f, 0.5f, hex(0x5a3a22));
        c.line(x + r * 0.45f, y + r * 1.15f, x + r * 0.25f, y + r * 1.55f, 0.5f, hex(0x5a3a22));
        c.rect(x - r * 0.28f, y + r * 1.55f, r * 0.56f, r * 0.4f, hex(0x8b5a2b));
        c.circle(x - r * 0.35f, y - r * 0.4f, r * 0.25f, hex(0xffffff), 0.25f);
    };
    balloon(40, 35, 20, hex(0xe63946), hex(0xffd166));
    balloon(112, 70, 26, hex(0x06d6a0), hex(0x118ab2));
    balloon(190, 38, 18, hex(0x7b2cbf), hex(0xf7a8d8));
    balloon(60, 128, 12, hex(0xff9f1c), hex(0xffffff));
    balloon(168, 150, 10, hex(0x3a86ff), hex(0xffbe0b));
    balloon(215, 100, 7, hex(0xef476f), hex(0x073b4c));
    bird(c, 150, 110, 4, hex(0x2b2d42));
    bird(c, 14, 124, 4, hex(0x2b2d42));
    bird(c, 27, 131, 3, hex(0x2b2d42));
    // Patchwork fields, a river and a village.
    c.polygon({{0, 178}, {70, 172}, {150, 178}, {225, 170}, {225, 225}, {0, 225}}, hex(0x7cb342));
    const std::uint32_t fields[] = {0xc5e1a5, 0xfdd835, 0x8bc34a, 0xd4a373, 0x558b2f, 0xffe082};
    for (int k = 0; k < 6; ++k)
        c.polygon({{k * 40.0f - 10, 185},
                   {k * 40.0f + 28, 183},
                   {k * 40.0f + 22, 225},
                   {k * 40.0f - 20, 225}},
                  hex(fields[k]), 0.85f);
    c.polyline({{120, 176}, {110, 190}, {125, 205}, {100, 225}}, 6, hex(0x1f78c1));
    c.polyline({{119, 178}, {110.5f, 190}, {124, 204}, {101, 222}}, 1.2f, hex(0x9ee2ff));
    house(c, 30, 196, 12, 8, hex(0xfff3e0), hex(0xd84315));
    house(c, 48, 198, 10, 7, hex(0xfff3e0), hex(0x6d4c41));
    house(c, 185, 200, 13, 9, hex(0xfff3e0), hex(0xd84315));
    round_tree(c, 150, 205, 18, hex(0x2e7d32), hex(0x5d4037));
    round_tree(c, 80, 214, 16, hex(0x388e3c), hex(0x5d4037));
    c.ellipse(100, 212, 9, 7, hex(0xe9c46a));
    c.ellipse(120, 216, 7, 5, hex(0xd4a373));
    c.rect(96, 208, 8, 1.2f, hex(0xb08968));
    grain(c, 0.05f, 4);
}

void level_reef(canvas& c) {
    sky(c, 0, 225, hex(0x37c3e6), hex(0x05406b));
    // The sun stands to the left: the water is brighter there and deepens to the right.
    c.shade(0, 0, 225, 225,
            [](float x, float, color& p) { p = scale_color(p, 1.1f - 0.36f * x / 225); });
    // Light from the surface.
    for (int i = 0; i < 5; ++i) {
        float x = 20 + i * 48.0f;
        c.polygon({{x, 0}, {x + 14, 0}, {x + 50, 180}, {x + 25, 180}}, hex(0xffffff),
                  0.13f - i * 0.015f);
    }
    // A boat's hull dark against the surface, its anchor line running down to the sand.
    c.polygon({{168, 0}, {225, 0}, {225, 6}, {214, 11}, {180, 11}}, hex(0x0b2239));
    c.round_rect(184, 9, 26, 4, 2, hex(0x061626));
    c.polygon({{214, 9}, {219, 9}, {218, 17}, {214, 15}}, hex(0x061626));
    c.line(196, 11, 178, 180, 0.8f, hex(0x16324a));
    c.polygon({{0, 188}, {60, 180}, {130, 190}, {225, 178}, {225, 225}, {0, 225}}, hex(0xe9d8a6));
    c.polyline({{172, 180}, {174, 184}, {182, 184}, {184, 180}}, 1.4f, hex(0x16324a));
    c.line(178, 172, 178, 184, 1.4f, hex(0x16324a));
    // Corals and weed.
    auto coral = [&](float x, float base, float h, color col, std::uint32_t seed) {
        rng r(seed);
        for (int i = 0; i < 5; ++i) {
            float a = -kPi / 2 + r.uniform(-0.7f, 0.7f);
            float x1 = x + std::cos(a) * h, y1 = base + std::sin(a) * h;
            c.line(x, base, x1, y1, h * 0.14f, col);
            c.circle(x1, y1, h * 0.1f, mix(col, hex(0xffffff), 0.3f));
        }
    };
    coral(25, 200, 28, hex(0xff6f91), 1);
    coral(95, 192, 22, hex(0xff9671), 2);
    coral(200, 190, 30, hex(0xd65db1), 3);
    c.ellipse(150, 195, 18, 10, hex(0x845ec2));
    for (int k = 0; k < 10; ++k)
        c.circle(138 + k * 2.6f, 190 + std::sin(k * 1.3f) * 3, 1.5f, hex(0xb39cd0));
    for (int k = 0; k < 3; ++k) {
        float x = 55 + k * 7.0f;
        std::vector<pt> weed;
        for (int s = 0; s <= 12; ++s)
            weed.push_back({x + std::sin(s * 0.6f + k) * 4, 205 - s * 6.0f});
        c.polyline(weed, 2.5f, hex(0x2a9d8f));
    }
    star(c, 175, 212, 9, 0.45f, 5, hex(0xffb703), 0.2f);
    c.ellipse(120, 214, 7, 5, hex(0xffe5ec));
    // Fish and a turtle.
    fish(c, 45, 40, 11, hex(0xff9f1c), hex(0xffbf69), true);
    fish(c, 160, 30, 8, hex(0xffd60a), hex(0x003566), false);
    fish(c, 115, 95, 13, hex(0x4361ee), hex(0xffd60a), true);
    fish(c, 200, 95, 7, hex(0xf72585), hex(0xffc8dd), false);
    fish(c, 30, 140, 8, hex(0x80ed99), hex(0x38a3a5), false);
    fish(c, 185, 150, 9, hex(0xff595e), hex(0xffffff), true);
    c.ellipse(90, 150, 16, 11, hex(0x6a994e));
    c.ellipse(90, 150, 12, 8, hex(0xa7c957));
    c.circle(108, 147, 5, hex(0x6a994e));
    c.ellipse(78, 140, 6, 3, hex(0x6a994e));
    c.ellipse(78, 161, 6, 3, hex(0x6a994e));
    // A jellyfish, a school of small fish, a seahorse and a ray in the open water above.
    auto jelly = [&](float x, float y, float s, color col) {
        for (int k = 0; k < 4; ++k) {
            float tx = x - s * 0.6f + k * s * 0.4f;
            c.polyline({{tx, y},
                        {tx + s * 0.2f, y + s * 0.6f},
                        {tx - s * 0.1f, y + s * 1.2f},
                        {tx + s * 0.15f, y + s * 1.8f}},
                       s * 0.09f, mix(col, hex(0xffffff), 0.4f), 0.85f);
        }
        c.shape(
            x - s, y - s, x + s, y + 0.1f * s,
            [=](float px, float py) { return std::fmax(std::hypot(px - x, py - y) - s, py - y); },
            [=](float, float py) { return mix(col, hex(0xffffff), clampf((y - py) / s, 0, 0.6f)); },
            0.9f);
    };
    jelly(112, 22, 9, hex(0xff8fab));
    jelly(62, 108, 7, hex(0xc77dff));
    for (int k = 0; k < 7; ++k)
        fish(c, 145 + (k % 3) * 9.0f + (k / 3) * 4.0f, 62 + (k / 3) * 7.0f, 3, hex(0xfcbf49),
             hex(0xf77f00), true);
    c.polygon({{18, 64}, {40, 56}, {48, 52}, {56, 56}, {78, 64}, {56, 72}, {48, 80}, {40, 72}},
              hex(0x355070));
    c.line(48, 78, 50, 96, 1.2f, hex(0x355070));
    c.circle(44, 60, 1.2f, hex(0xe0fbfc));
    c.circle(52, 60, 1.2f, hex(0xe0fbfc));
    auto seahorse = [&](float x, float y, float s, color col) {
        c.circle(x, y, s * 0.35f, col);
        c.ellipse(x + s * 0.35f, y + s * 0.05f, s * 0.3f, s * 0.12f, col);
        c.polyline({{x - s * 0.1f, y + s * 0.2f},
                    {x - s * 0.3f, y + s * 0.8f},
                    {x - s * 0.05f, y + s * 1.4f},
                    {x + s * 0.25f, y + s * 1.5f},
                    {x + s * 0.2f, y + s * 1.2f}},
                   s * 0.3f, col);
        c.circle(x + s * 0.05f, y - s * 0.05f, s * 0.08f, hex(0x111111));
    };
    seahorse(20, 102, 12, hex(0xffd166));
    seahorse(205, 58, 9, hex(0x06d6a0));
    fish(c, 160, 120, 6, hex(0xe0aaff), hex(0x7b2cbf), true);
    // A clownfish by the anchor line.
    fish(c, 154, 158, 7, hex(0xff7b00), hex(0x222222), false);
    c.rect(151, 154.5f, 2, 7, hex(0xffffff));
    c.rect(157, 154.5f, 2, 7, hex(0xffffff));
    // Bubbles rising.
    rng r(17);
    for (int k = 0; k < 26; ++k)
        c.ring(r.uniform(5, 220), r.uniform(5, 175), r.uniform(1, 3), 0.6f, hex(0xe0fbfc), 0.8f);
    grain(c, 0.05f, 5);
}

void level_fruit(canvas& c) {
    c.fill(hex(0xf4e3c5));
    for (int k = 0; k < 12; ++k)
        c.rect(k * 20.0f, 0, 8, 140, hex(0xe8c99a), 0.6f);
    // The window with a sky and a tree.
    c.rect(140, 12, 70, 62, hex(0x7f5539));
    c.shade(144, 16, 206, 70,
            [](float, float y, color& p) { p = mix(hex(0x7cc6fe), hex(0xd6f0ff), (y - 16) / 54); });
    c.circle(190, 45, 12, hex(0x52b788));
    cloud(c, 160, 30, 7);
    c.rect(173, 16, 3, 54, hex(0x7f5539));
    c.rect(144, 41, 62, 3, hex(0x7f5539));
    c.rect(136, 72, 78, 5, hex(0x9c6644));
    // A clock on the wall between the picture and the window.
    c.circle(112, 34, 15, hex(0x6f4518));
    c.circle(112, 34, 12.5f, hex(0xfffcf2));
    for (int k = 0; k < 12; ++k) {
        float a = k * kPi / 6;
        c.line(112 + 10 * std::cos(a), 34 + 10 * std::sin(a), 112 + 11.5f * std::cos(a),
               34 + 11.5f * std::sin(a), 1, hex(0x333333));
    }
    c.line(112, 34, 112, 25, 1.4f, hex(0x222222));
    c.line(112, 34, 118, 37, 1.4f, hex(0x222222));
    c.line(112, 49, 112, 62, 1, hex(0x6f4518));
    c.circle(112, 65, 4, hex(0xe9c46a));
    // A picture frame on the wall.
    c.rect(18, 20, 46, 36, hex(0xb08968));
    c.rect(22, 24, 38, 28, hex(0x90e0ef));
    c.polygon({{22, 52}, {38, 34}, {50, 46}, {60, 38}, {60, 52}}, hex(0x2d6a4f));
    c.circle(52, 30, 4, hex(0xffd166));
    // Table with a checked cloth.
    c.rect(0, 140, 225, 85, hex(0xffffff));
    c.shade(0, 140, 225, 225, [](float x, float y, color& p) {
        int cx = static_cast<int>(x / 15), cy = static_cast<int>((y - 140) / 15);
        float v = (cx % 2) + (cy % 2);
        p = mix(hex(0xffffff), hex(0xd62828), v * 0.4f);
    });
    c.rect(0, 138, 225, 4, hex(0x9d0208), 0.8f);
    // Jug, bowl of fruit, a pear, a cup, cherries.
    c.polygon({{14, 150}, {42, 150}, {46, 100}, {38, 92}, {18, 92}, {10, 100}}, hex(0x3a86ff));
    c.ring(10, 115, 9, 3, hex(0x3a86ff));
    c.rect(16, 110, 24, 4, hex(0xffffff), 0.8f);
    c.ellipse(112, 156, 52, 10, hex(0x000000), 0.2f);
    c.circle(95, 120, 15, hex(0xe63946));
    c.circle(88, 114, 4, hex(0xffffff), 0.35f);
    c.circle(126, 118, 14, hex(0xff9f1c));
    c.circle(110, 104, 13, hex(0x80b918));
    for (int k = 0; k < 9; ++k)
        c.circle(140 + (k % 3) * 6.0f - (k / 3) * 2.0f, 106 + (k / 3) * 6.0f, 3.8f, hex(0x7b2cbf));
    c.shape(
        70, 85, 130, 115,
        [](float x, float y) {
            float d = std::hypot(x - 100, y - 125) - 32;
            return std::fmax(d, 24 - std::hypot(x - 100, y - 129));
        },
        [](float, float) { return hex(0xffd60a); });
    c.shape(
        58, 120, 166, 155,
        [](float x, float y) {
            return std::fmax(std::hypot((x - 112) / 1.9f, y - 122) - 28, 122 - y);
        },
        [](float x, float) { return mix(hex(0x1d3557), hex(0x457b9d), x / 225); });
    c.rect(58, 121, 108, 3, hex(0xa8dadc));
    c.ellipse(185, 160, 12, 15, hex(0xb5e48c));
    c.circle(185, 146, 8, hex(0xb5e48c));
    c.line(185, 139, 187, 132, 1.4f, hex(0x6f4518));
    c.ellipse(191, 134, 4, 2, hex(0x52b788));
    c.round_rect(196, 180, 22, 18, 3, hex(0xffffff));
    c.ring(219, 188, 5, 2, hex(0xffffff));
    c.rect(196, 184, 22, 3, hex(0x3a86ff));
    c.circle(40, 200, 5, hex(0x9d0208));
    c.circle(50, 204, 5, hex(0x9d0208));
    c.polyline({{40, 195}, {48, 180}, {50, 199}}, 0.8f, hex(0x386641));
    grain(c, 0.04f, 6);
}

void level_space(canvas& c) {
    c.fill(hex(0x05030f));
    c.shade(0, 0, 225, 225, [](float x, float y, color& p) {
        float n = fbm(x / 70.0f, y / 70.0f, 5, 44);
        float m = fbm(x / 50.0f + 3, y / 50.0f, 4, 45);
        p = mix(p, hex(0x5a189a), smoothstep(0.45f, 0.8f, n) * 0.8f);
        p = mix(p, hex(0x0077b6), smoothstep(0.5f, 0.85f, m) * 0.6f);
    });
    stars(c, 225, 120, 8);
    // A far galaxy seen edge on.
    glow(c, 204, 158, 16, hex(0xd8c8ff), 0.55f);
    c.ellipse(204, 158, 10, 3.5f, hex(0xe8e0ff), 0.6f);
    c.circle(204, 158, 2, hex(0xffffff));
    // A ringed planet, a small blue world, a cratered moon.
    c.ellipse(160, 62, 46, 11, hex(0xe9c46a), 0.9f);
    c.ellipse(160, 62, 36, 7, hex(0x05030f), 0.8f);
    c.circle(160, 62, 26, hex(0xf4a261));
    c.shade(134, 36, 186, 88, [](float x, float y, color& p) {
        if (std::hypot(x - 160, y - 62) < 26) {
            float band = std::sin(y * 0.6f) * 0.5f + 0.5f;
            p = mix(p, hex(0xe76f51), band * 0.4f);
            p = mix(p, hex(0x000000), clampf((x - 160 + y - 62) / 50, 0, 0.5f));
        }
    });
    c.shape(
        110, 50, 210, 75,
        [](float x, float y) {
            float d = std::fabs(std::hypot((x - 160) / 4.2f, y - 62) - 9.5f) - 0.8f;
            return y < 62 ? 100.0f : d;
        },
        [](float, float) { return hex(0xe9c46a); }, 0.9f);
    c.circle(35, 38, 16, hex(0x2a9df4));
    c.ellipse(30, 34, 7, 5, hex(0x52b788));
    c.ellipse(42, 45, 5, 3, hex(0x52b788));
    glow(c, 35, 38, 26, hex(0x90e0ef), 0.25f);
    c.circle(50, 175, 28, hex(0xb8b8c8));
    for (int k = 0; k < 6; ++k)
        c.circle(38 + (k * 17 % 30), 162 + (k * 11 % 28), 3 + k % 3, hex(0x8d8da0));
    // The rocket with flame, a comet, a satellite.
    c.polygon({{100, 150}, {88, 162}, {100, 165}}, hex(0xd62828));
    c.polygon({{100, 150}, {112, 162}, {100, 165}}, hex(0xd62828));
    c.round_rect(93, 100, 14, 58, 6, hex(0xf1faee));
    c.polygon({{93, 104}, {100, 82}, {107, 104}}, hex(0xd62828));
    c.circle(100, 118, 4, hex(0x48cae4));
    c.ring(100, 118, 4, 1.2f, hex(0x8d99ae));
    c.polygon({{95, 158}, {105, 158}, {100, 180}}, hex(0xffb703));
    c.polygon({{97, 158}, {103, 158}, {100, 170}}, hex(0xfff3b0));
    c.shape(
        140, 150, 225, 215,
        [](float x, float y) { return sd_segment(x, y, 195, 195, 145, 160) - (x - 140) * 0.12f; },
        [](float x, float) { return mix(hex(0x90e0ef), hex(0xffffff), (x - 145) / 50); }, 0.7f);
    c.circle(196, 196, 5, hex(0xffffff));
    c.rect(178, 110, 12, 8, hex(0xadb5bd));
    c.rect(162, 112, 14, 4, hex(0x1d3557));
    c.rect(192, 112, 14, 4, hex(0x1d3557));
    c.line(184, 110, 184, 104, 0.8f, hex(0xadb5bd));
    grain(c, 0.03f, 7);
}

void level_farm(canvas& c) {
    sky(c, 0, 120, hex(0x5bc0eb), hex(0xfdf0d5));
    // The sky deepens away from the sun, whose heart burns white.
    c.shade(0, 0, 225, 120, [](float x, float y, color& p) {
        p = mix(p, hex(0x1f6fc0), 0.6f * (x / 225) * (1 - 0.8f * y / 120));
    });
    c.shape(
        15, 15, 45, 45, [](float x, float y) { return std::hypot(x - 30, y - 30) - 14; },
        [](float x, float y) {
            return mix(hex(0xfffbe6), hex(0xffd23f), smoothstep(5, 14, std::hypot(x - 30, y - 30)));
        });
    glow(c, 30, 30, 34, hex(0xfff3b0), 0.5f);
    cloud(c, 110, 25, 13);
    cloud(c, 190, 40, 10);
    cloud(c, 64, 16, 7, hex(0xffffff), 0.9f);
    bird(c, 150, 60, 4, hex(0x3d405b));
    bird(c, 148, 20, 4, hex(0x3d405b));
    bird(c, 160, 13, 3, hex(0x3d405b));
    bird(c, 167, 24, 3.5f, hex(0x3d405b));
    cloud(c, 160, 78, 6, hex(0xffffff), 0.85f);
    hills(c, 105, 10, 60, 8, hex(0x95d5b2), hex(0x52b788), 225);
    // Fields in rows.
    c.shade(0, 150, 225, 225, [](float x, float y, color& p) {
        float row = std::sin((x - 112) / (y - 90) * 40);
        p = mix(hex(0x9c6644), hex(0xdda15e), row * 0.5f + 0.5f);
    });
    c.polygon({{0, 150}, {225, 150}, {225, 152}, {0, 152}}, hex(0x52b788));
    // The barn and silo.
    c.rect(40, 95, 56, 45, hex(0xc1121f));
    c.polygon({{34, 97}, {48, 75}, {88, 75}, {102, 97}}, hex(0x780000));
    c.rect(58, 110, 20, 30, hex(0xfdf0d5));
    c.line(58, 110, 78, 140, 1.5f, hex(0xc1121f));
    c.line(78, 110, 58, 140, 1.5f, hex(0xc1121f));
    c.rect(62, 82, 12, 9, hex(0xfdf0d5));
    c.rect(100, 78, 16, 62, hex(0xadb5bd));
    c.ellipse(108, 78, 8, 6, hex(0x6c757d));
    for (int k = 0; k < 5; ++k)
        c.line(100, 88 + k * 11.0f, 116, 88 + k * 11.0f, 0.8f, hex(0x6c757d));
    // The wind pump.
    c.polyline({{170, 140}, {180, 70}, {190, 140}}, 1.5f, hex(0x6c757d));
    c.line(173, 115, 187, 115, 1.2f, hex(0x6c757d));
    for (int k = 0; k < 8; ++k) {
        float a = k * kPi / 4;
        c.polygon({{180, 68},
                   {180 + 18 * std::cos(a), 68 + 18 * std::sin(a)},
                   {180 + 18 * std::cos(a + 0.3f), 68 + 18 * std::sin(a + 0.3f)}},
                  hex(0xe5e5e5));
    }
    c.circle(180, 68, 2.5f, hex(0x495057));
    // Fence, cow, sunflowers, a round tree.
    for (int k = 0; k < 10; ++k)
        c.rect(2 + k * 13.0f, 143, 3, 14, hex(0xfefae0));
    c.rect(0, 147, 130, 2, hex(0xfefae0));
    c.ellipse(150, 168, 17, 10, hex(0xffffff));
    c.ellipse(146, 165, 6, 4, hex(0x222222));
    c.ellipse(157, 171, 5, 3, hex(0x222222));
    c.ellipse(170, 160, 6, 5, hex(0xffffff));
    c.ellipse(173, 163, 3, 2, hex(0xffafcc));
    for (int k = 0; k < 4; ++k) {
        float x = 138 + k * 6.0f;
        c.line(x, 175, x, 186, 2, hex(0xffffff));
    }
    for (int k = 0; k < 5; ++k) {
        float x = 15 + k * 22.0f, y = 196 + (k % 2) * 8.0f;
        c.line(x, y, x, 225, 1.6f, hex(0x40916c));
        flower(c, x, y, 9, hex(0xffc300), hex(0x6f4518), 10);
    }
    round_tree(c, 205, 150, 40, hex(0x2d6a4f), hex(0x6f4518));
    c.ellipse(200, 200, 16, 8, hex(0xffd166));
    c.ellipse(200, 196, 16, 6, hex(0xfcbf49));
    grain(c, 0.05f, 8);
}

void level_tulips(canvas& c) {
    sky(c, 0, 110, hex(0x3d8bfd), hex(0xcfe7ff));
    // The afternoon sun behind the windmill: the sky deepens to the left.
    c.shade(0, 0, 225, 110, [](float x, float y, color& p) {
        p = mix(p, hex(0x1d4fc0), 0.55f * (1 - x / 225) * (1 - 0.7f * y / 110));
    });
    cloud(c, 40, 30, 13);
    cloud(c, 110, 50, 9, hex(0xffffff), 0.8f);
    bird(c, 200, 20, 4, hex(0x1d3557));
    cloud(c, 72, 80, 8, hex(0xffffff), 0.9f);
    // A kite on a long string from the fields.
    c.polygon({{22, 52}, {30, 62}, {22, 76}, {14, 62}}, hex(0xef476f));
    c.polygon({{22, 52}, {30, 62}, {14, 62}}, hex(0xffd166));
    c.polyline({{22, 76}, {26, 88}, {34, 100}, {48, 112}}, 0.5f, hex(0x1d3557));
    for (int k = 0; k < 3; ++k)
        c.circle(21 + k * 2.0f, 80 + k * 5.0f, 1.4f, hex(0x06d6a0));
    // Rows of colour running to the horizon.
    const std::uint32_t rows[] = {0xe63946, 0xffd60a, 0xff70a6, 0x9d4edd,
                                  0xffffff, 0xf77f00, 0xe63946, 0xffd60a};
    c.rect(0, 108, 225, 117, hex(0x2d6a4f));
    for (int k = 0; k < 8; ++k) {
        float x0 = -200 + k * 70.0f;
        c.polygon({{112 + (x0 - 112) * 0.04f, 108},
                   {112 + (x0 + 40 - 112) * 0.04f, 108},
                   {x0 + 40, 225},
                   {x0, 225}},
                  hex(rows[k]));
    }
    c.shade(0, 108, 225, 225, [](float x, float y, color& p) {
        float n = value_noise(x * 0.6f, y * 0.9f, 4);
        p = scale_color(p, 0.8f + 0.35f * n * clampf((y - 108) / 60, 0, 1));
    });
    // The windmill on its mound.
    c.ellipse(165, 110, 40, 8, hex(0x40916c));
    c.polygon({{150, 110}, {180, 110}, {175, 55}, {155, 55}}, hex(0x8d5524));
    c.polygon({{152, 57}, {178, 57}, {165, 40}}, hex(0x432818));
    c.rect(160, 92, 10, 18, hex(0x432818));
    c.rect(158, 70, 6, 7, hex(0xfff3b0));
    for (int k = 0; k < 4; ++k) {
        float a = 0.4f + k * kPi / 2;
        float ex = 165 + 44 * std::cos(a), ey = 50 + 44 * std::sin(a);
        float nx = -std::sin(a) * 5, ny = std::cos(a) * 5;
        c.polygon({{165 + std::cos(a) * 8, 50 + std::sin(a) * 8},
                   {ex, ey},
                   {ex + nx, ey + ny},
                   {165 + std::cos(a) * 8 + nx, 50 + std::sin(a) * 8 + ny}},
                  hex(0xf1faee));
        c.line(165, 50, ex, ey, 1.2f, hex(0x432818));
    }
    c.circle(165, 50, 3, hex(0x432818));
    // Big tulips at the front.
    auto tulip = [&](float x, float y, float s, color col) {
        c.line(x, y, x, 225, s * 0.18f, hex(0x2d6a4f));
        c.ellipse(x + s * 0.5f, y + s * 1.6f, s * 0.25f, s * 0.8f, hex(0x52b788));
        c.polygon({{x - s * 0.55f, y - s * 0.9f},
                   {x - s * 0.2f, y - s * 0.45f},
                   {x, y - s},
                   {x + s * 0.2f, y - s * 0.45f},
                   {x + s * 0.55f, y - s * 0.9f},
                   {x + s * 0.5f, y - s * 0.1f},
                   {x, y + s * 0.25f},
                   {x - s * 0.5f, y - s * 0.1f}},
                  col);
        c.ellipse(x - s * 0.2f, y - s * 0.4f, s * 0.1f, s * 0.3f, hex(0xffffff), 0.3f);
    };
    tulip(20, 185, 14, hex(0xd00000));
    tulip(60, 200, 11, hex(0xffba08));
    tulip(205, 190, 14, hex(0xff70a6));
    tulip(100, 212, 9, hex(0x7b2cbf));
    c.rect(8, 128, 24, 10, hex(0x3a86ff));
    c.circle(13, 140, 3, hex(0x222222));
    c.circle(27, 140, 3, hex(0x222222));
    c.line(20, 128, 26, 118, 1, hex(0x222222));
    grain(c, 0.04f, 9);
}

void level_desert(canvas& c) {
    sky(c, 0, 140, hex(0xff9e00), hex(0xffe8a3));
    // Away from the sun the sky burns deeper.
    c.shade(0, 0, 225, 140, [](float x, float y, color& p) {
        p = mix(p, hex(0xc4501c), 0.6f * (x / 225) * (1 - y / 140));
    });
    glow(c, 60, 50, 60, hex(0xfff4d6), 0.7f);
    c.circle(60, 50, 22, hex(0xfffbe6));
    bird(c, 160, 30, 5, hex(0x7f4f24));
    bird(c, 180, 42, 4, hex(0x7f4f24));
    bird(c, 200, 70, 6, hex(0x5e3023));
    c.ellipse(110, 62, 22, 3, hex(0xfff1d0), 0.8f);
    c.ellipse(122, 70, 16, 2.5f, hex(0xfff1d0), 0.7f);
    c.ellipse(205, 58, 18, 3, hex(0xfff1d0), 0.8f);
    c.ellipse(112, 20, 20, 2.5f, hex(0xfff1d0), 0.8f);
    c.ellipse(100, 26, 12, 2, hex(0xfff1d0), 0.7f);
    c.ellipse(206, 20, 16, 3.5f, hex(0xfff1d0), 0.85f);
    c.ellipse(214, 27, 9, 2, hex(0xfff1d0), 0.7f);
    c.ellipse(72, 108, 14, 2, hex(0xfff1d0), 0.7f);
    // The far horizon: haze down to the dunes and a flat-topped rock on the left.
    c.rect(0, 138, 225, 24, hex(0xffe8a3));
    c.polygon({{0, 141}, {0, 118}, {6, 116}, {26, 116}, {32, 124}, {40, 141}}, hex(0xd08c60));
    c.polygon({{0, 118}, {6, 116}, {26, 116}, {28, 119}, {0, 121}}, hex(0xe6a873));
    // Pyramids with a lit and a shaded face.
    auto pyramid = [&](float x, float base, float w, float h) {
        c.polygon({{x - w, base}, {x, base - h}, {x + w * 0.3f, base}}, hex(0xe9b872));
        c.polygon({{x + w * 0.3f, base}, {x, base - h}, {x + w, base}}, hex(0xb07d48));
        for (int k = 1; k < 6; ++k) {
            float y = base - h + h * k / 6;
            float half = w * k / 6;
            c.line(x - half, y, x + half * 0.3f, y, 0.4f, hex(0xa0703e), 0.6f);
        }
    };
    pyramid(150, 140, 55, 75);
    pyramid(205, 140, 32, 42);
    pyramid(95, 142, 22, 28);
    // Dunes.
    hills(c, 150, 8, 70, 12, hex(0xf4a261), hex(0xe9c46a), 225);
    hills(c, 185, 10, 50, 13, hex(0xe76f51), hex(0xf4a261), 225);
    // Camel and rider.
    color cam = hex(0x5e3023);
    c.ellipse(120, 165, 18, 8, cam);
    c.circle(112, 158, 6, cam);
    c.circle(126, 158, 6, cam);
    c.line(136, 162, 143, 148, 3, cam);
    c.ellipse(146, 147, 5, 3, cam);
    for (int k = 0; k < 4; ++k)
        c.line(108 + k * 8.0f, 170, 108 + k * 8.0f, 186, 2, cam);
    c.rect(116, 144, 6, 10, hex(0x1d3557));
    c.circle(119, 141, 3, hex(0xe9c46a));
    // Oasis: palms and pond.
    c.ellipse(45, 205, 34, 9, hex(0x219ebc));
    c.ellipse(45, 203, 30, 6, hex(0x8ecae6));
    auto palm = [&](float x, float base, float h) {
        c.polyline({{x, base}, {x + 3, base - h * 0.5f}, {x + 8, base - h}}, 3, hex(0x7f5539));
        for (int k = 0; k < 6; ++k) {
            float a = -kPi + k * kPi / 5;
            c.polyline({{x + 8, base - h},
                        {x + 8 + std::cos(a) * h * 0.3f, base - h + std::sin(a) * h * 0.25f - 3},
                        {x + 8 + std::cos(a) * h * 0.5f, base - h + std::sin(a) * h * 0.2f + 6}},
                       3, hex(0x2d6a4f));
        }
        c.circle(x + 7, base - h + 4, 2.5f, hex(0x6f4518));
    };
    palm(15, 205, 55);
    palm(60, 200, 42);
    // A cactus and stones at the front right.
    c.round_rect(190, 175, 10, 45, 5, hex(0x40916c));
    c.round_rect(178, 185, 7, 20, 3.5f, hex(0x40916c));
    c.round_rect(178, 200, 14, 6, 3, hex(0x40916c));
    c.round_rect(203, 180, 7, 18, 3.5f, hex(0x40916c));
    c.round_rect(198, 193, 12, 6, 3, hex(0x40916c));
    c.circle(195, 175, 3, hex(0xff70a6));
    c.ellipse(150, 215, 10, 5, hex(0x9c6644));
    c.ellipse(162, 218, 6, 4, hex(0x7f5539));
    grain(c, 0.05f, 10);
}
