// The level scenes' shared pieces, drawn with the canvas shapes.
#include "tools/art_kit.h"

#include <cmath>

namespace kit {

namespace {
const float kPi = 3.14159265358979f;
}

void sky(canvas& c, float y0, float y1, color top, color bottom) {
    c.shade(0, y0, c.w / c.unit, y1, [&](float, float y, color& p) {
        p = mix(top, bottom, clampf((y - y0) / (y1 - y0), 0, 1));
    });
}

void glow(canvas& c, float cx, float cy, float r, color col, float strength) {
    c.shade(cx - r, cy - r, cx + r, cy + r, [&](float x, float y, color& p) {
        float d = std::hypot(x - cx, y - cy) / r;
        if (d < 1)
            p = mix(p, col, strength * (1 - d) * (1 - d));
    });
}

void cloud(canvas& c, float x, float y, float s, color col, float alpha) {
    color shade = mix(col, hex(0x9fb3c8), 0.35f);
    c.shape(
        x - 1.3f * s, y - 0.9f * s, x + 1.3f * s, y + 0.5f * s,
        [=](float px, float py) {
            float d = std::hypot(px - (x - 0.6f * s), py - y) - 0.45f * s;
            d = std::fmin(d, std::hypot(px - x, py - (y - 0.3f * s)) - 0.6f * s);
            d = std::fmin(d, std::hypot(px - (x + 0.65f * s), py - (y - 0.05f * s)) - 0.45f * s);
            d = std::fmax(d, py - (y + 0.35f * s));
            return d;
        },
        [=](float, float py) {
            return mix(col, shade, clampf((py - (y - 0.8f * s)) / (1.2f * s), 0, 1));
        },
        alpha);
}

void hills(canvas& c, float base, float amp, float wavelength, std::uint32_t seed, color top,
           color bottom, float bottom_y) {
    c.shape(
        0, base - amp - 1, c.w / c.unit, bottom_y,
        [=](float x, float y) {
            float edge = base - amp * (2 * fbm(x / wavelength, 0.5f, 3, seed) - 1);
            return std::fmax(edge - y, y - bottom_y);
        },
        [=](float, float y) {
            return mix(top, bottom, clampf((y - base + amp) / (bottom_y - base + amp), 0, 1));
        });
}

void pine(canvas& c, float x, float base, float h, color col, color snow) {
    c.rect(x - h * 0.04f, base - h * 0.15f, h * 0.08f, h * 0.15f, hex(0x5a3a22));
    color dark = scale_color(col, 0.75f);
    for (int i = 0; i < 3; ++i) {
        float top = base - h + i * h * 0.22f, bottom = base - h * 0.12f - (2 - i) * h * 0.2f;
        float half = h * (0.2f + 0.08f * i);
        c.polygon({{x, top}, {x + half, bottom}, {x - half, bottom}}, i % 2 ? dark : col);
        if (snow.r >= 0)
            c.polygon({{x, top},
                       {x + half * 0.45f, top + (bottom - top) * 0.45f},
                       {x - half * 0.45f, top + (bottom - top) * 0.45f}},
                      snow);
    }
}

void round_tree(canvas& c, float x, float base, float h, color leaves, color trunk) {
    c.polygon({{x - h * 0.05f, base},
               {x + h * 0.05f, base},
               {x + h * 0.03f, base - h * 0.55f},
               {x - h * 0.03f, base - h * 0.55f}},
              trunk);
    float r = h * 0.3f;
    color dark = scale_color(leaves, 0.78f), light = mix(leaves, hex(0xffffff), 0.2f);
    c.circle(x - r * 0.55f, base - h * 0.55f, r * 0.8f, dark);
    c.circle(x + r * 0.55f, base - h * 0.55f, r * 0.8f, dark);
    c.circle(x, base - h * 0.7f, r, leaves);
    c.circle(x - r * 0.3f, base - h * 0.78f, r * 0.45f, light, 0.6f);
}

void house(canvas& c, float x, float base, float w, float h, color wall, color roof, bool lit) {
    c.rect(x, base - h, w, h, wall);
    c.polygon(
        {{x - w * 0.1f, base - h}, {x + w / 2, base - h - w * 0.55f}, {x + w * 1.1f, base - h}},
        roof);
    color glass = lit ? hex(0xffd56b) : hex(0x9fd3f0);
    c.rect(x + w * 0.15f, base - h * 0.75f, w * 0.22f, h * 0.28f, glass);
    c.rect(x + w * 0.63f, base - h * 0.75f, w * 0.22f, h * 0.28f, glass);
    c.rect(x + w * 0.4f, base - h * 0.42f, w * 0.2f, h * 0.42f, scale_color(wall, 0.55f));
    if (lit) {
        kit::glow(c, x + w * 0.26f, base - h * 0.61f, w * 0.3f, hex(0xffd56b), 0.35f);
        kit::glow(c, x + w * 0.74f, base - h * 0.61f, w * 0.3f, hex(0xffd56b), 0.35f);
    }
}

void star(canvas& c, float cx, float cy, float r, float inner, int points, color col, float turn,
          float alpha) {
    std::vector<pt> pts;
    for (int i = 0; i < points * 2; ++i) {
        float a = -kPi / 2 + turn + i * kPi / points, rr = i % 2 ? r * inner : r;
        pts.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
    }
    c.polygon(pts, col, alpha);
}

void bird(canvas& c, float x, float y, float s, color col) {
    c.polyline({{x - s, y - s * 0.3f},
                {x - s * 0.5f, y - s * 0.45f},
                {x, y},
                {x + s * 0.5f, y - s * 0.45f},
                {x + s, y - s * 0.3f}},
               s * 0.22f, col);
}

void sailboat(canvas& c, float x, float y, float s, color hull, color sail) {
    c.polygon(
        {{x - s, y}, {x + s, y}, {x + s * 0.7f, y + s * 0.35f}, {x - s * 0.7f, y + s * 0.35f}},
        hull);
    c.line(x, y, x, y - s * 1.6f, s * 0.07f, hex(0x4a3a2a));
    c.polygon({{x + s * 0.08f, y - s * 1.55f},
               {x + s * 0.08f, y - s * 0.12f},
               {x + s * 0.95f, y - s * 0.12f}},
              sail);
    c.polygon({{x - s * 0.08f, y - s * 1.3f},
               {x - s * 0.08f, y - s * 0.12f},
               {x - s * 0.7f, y - s * 0.12f}},
              mix(sail, hex(0x000000), 0.12f));
}

void flower(canvas& c, float x, float y, float r, color petal, color centre, int petals) {
    for (int i = 0; i < petals; ++i) {
        float a = i * 2 * kPi / petals;
        c.ellipse(x + std::cos(a) * r * 0.55f, y + std::sin(a) * r * 0.55f, r * 0.45f, r * 0.45f,
                  petal);
    }
    c.circle(x, y, r * 0.35f, centre);
}

void fish(canvas& c, float x, float y, float s, color body, color fin, bool left) {
    float d = left ? 1.0f : -1.0f;
    c.polygon({{x + d * s * 0.8f, y},
               {x + d * s * 1.4f, y - s * 0.45f},
               {x + d * s * 1.4f, y + s * 0.45f}},
              fin);
    c.ellipse(x, y, s, s * 0.55f, body);
    c.polygon({{x - d * s * 0.1f, y - s * 0.5f},
               {x + d * s * 0.4f, y - s * 0.85f},
               {x + d * s * 0.5f, y - s * 0.35f}},
              fin);
    c.circle(x - d * s * 0.55f, y - s * 0.12f, s * 0.14f, hex(0xffffff));
    c.circle(x - d * s * 0.58f, y - s * 0.12f, s * 0.07f, hex(0x111111));
}

void butterfly(canvas& c, float x, float y, float s, color wing, color spots) {
    c.ellipse(x - s * 0.55f, y - s * 0.35f, s * 0.55f, s * 0.45f, wing);
    c.ellipse(x + s * 0.55f, y - s * 0.35f, s * 0.55f, s * 0.45f, wing);
    c.ellipse(x - s * 0.4f, y + s * 0.35f, s * 0.38f, s * 0.32f, scale_color(wing, 0.85f));
    c.ellipse(x + s * 0.4f, y + s * 0.35f, s * 0.38f, s * 0.32f, scale_color(wing, 0.85f));
    c.circle(x - s * 0.6f, y - s * 0.4f, s * 0.16f, spots);
    c.circle(x + s * 0.6f, y - s * 0.4f, s * 0.16f, spots);
    c.ellipse(x, y, s * 0.1f, s * 0.55f, hex(0x222222));
}

void grain(canvas& c, float amount, std::uint32_t seed) {
    c.shade(0, 0, c.w / c.unit, c.h / c.unit, [&](float x, float y, color& p) {
        float n = value_noise(x * 1.7f, y * 1.7f, seed) - 0.5f;
        p = scale_color(p, 1 + n * amount);
    });
}

void stars(canvas& c, float y1, int count, std::uint32_t seed) {
    rng r(seed);
    for (int i = 0; i < count; ++i) {
        float x = r.uniform(0, c.w / c.unit), y = r.uniform(0, y1), s = r.uniform(0.3f, 1.0f);
        c.circle(x, y, s, hex(0xffffff), r.uniform(0.5f, 1.0f));
        if (s > 0.85f)
            star(c, x, y, s * 3.2f, 0.18f, 4, hex(0xffffff), 0, 0.8f);
    }
}

} // namespace kit
