// A float RGB canvas with anti-aliased shapes drawn in layout units, for the media builder.
#pragma once

#include <cstdint>
#include <vector>

struct color {
    float r, g, b;
};

color rgb(int r, int g, int b);
color hex(std::uint32_t value);
color mix(color a, color b, float t);
color scale_color(color c, float k);

struct pt {
    float x, y;
};

// The builder's own random numbers: the same sequence on every machine and every run.
class rng {
  public:
    explicit rng(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    std::uint32_t next();
    float uniform(float lo = 0.0f, float hi = 1.0f);
    int below(int n);

  private:
    std::uint32_t state_;
};

// Smooth value noise in 0..1 and its fractal sum; deterministic for a given seed.
float value_noise(float x, float y, std::uint32_t seed);
float fbm(float x, float y, int octaves, std::uint32_t seed);

float clampf(float v, float lo, float hi);
float smoothstep(float e0, float e1, float x);

class canvas {
  public:
    // w and h in pixels; unit = pixels per layout unit (the Scale).
    canvas(int w, int h, float unit);

    int w, h;
    float unit;
    std::vector<color> px;

    color& at(int x, int y) { return px[static_cast<std::size_t>(y) * w + x]; }
    const color& at(int x, int y) const { return px[static_cast<std::size_t>(y) * w + x]; }

    void fill(color c);
    // Vertical gradient across the whole width between layout rows y0 and y1.
    void vgradient(float y0, float y1, color top, color bottom);

    // Every shape: the coverage of each pixel comes from a signed distance in layout units.
    void rect(float x, float y, float rw, float rh, color c, float alpha = 1.0f);
    void round_rect(float x, float y, float rw, float rh, float radius, color c,
                    float alpha = 1.0f);
    void circle(float cx, float cy, float r, color c, float alpha = 1.0f);
    void ellipse(float cx, float cy, float rx, float ry, color c, float alpha = 1.0f);
    void ring(float cx, float cy, float r, float width, color c, float alpha = 1.0f);
    void polygon(const std::vector<pt>& points, color c, float alpha = 1.0f);
    void line(float x0, float y0, float x1, float y1, float width, color c, float alpha = 1.0f);
    void polyline(const std::vector<pt>& points, float width, color c, float alpha = 1.0f);

    // Shapes whose colour varies over them: paint(x, y) gives the colour at a layout point.
    template <class Dist, class Paint>
    void shape(float x0, float y0, float x1, float y1, Dist dist, Paint paint, float alpha = 1.0f);

    // Any per-pixel change over a layout rectangle: f(x, y, pixel) with x, y in layout units.
    template <class F> void shade(float x0, float y0, float x1, float y1, F f);

    // Copies another canvas (same unit) with its top-left at layout point (x, y).
    void paste(const canvas& other, float x, float y);
    // 8-bit RGB bytes, row by row.
    std::vector<std::uint8_t> bytes() const;

  private:
    // Cuts a pixel box [x0, x1) x [y0, y1) to the canvas.
    void clip(int& x0, int& y0, int& x1, int& y1) const {
        x0 = x0 < 0 ? 0 : x0;
        y0 = y0 < 0 ? 0 : y0;
        x1 = x1 > w ? w : x1;
        y1 = y1 > h ? h : y1;
    }
};

float sd_polygon(const std::vector<pt>& v, float x, float y);
float sd_segment(float px, float py, float ax, float ay, float bx, float by);
float sd_round_box(float px, float py, float cx, float cy, float hw, float hh, float r);

template <class Dist, class Paint>
void canvas::shape(float x0, float y0, float x1, float y1, Dist dist, Paint paint, float alpha) {
    int px0 = static_cast<int>(x0 * unit) - 2, py0 = static_cast<int>(y0 * unit) - 2;
    int px1 = static_cast<int>(x1 * unit) + 2, py1 = static_cast<int>(y1 * unit) + 2;
    clip(px0, py0, px1, py1);
    for (int y = py0; y < py1; ++y) {
        for (int x = px0; x < px1; ++x) {
            float lx = (x + 0.5f) / unit, ly = (y + 0.5f) / unit;
            float d = dist(lx, ly) * unit;
            float cover = clampf(0.5f - d, 0.0f, 1.0f) * alpha;
            if (cover <= 0.0f)
                continue;
            color c = paint(lx, ly);
            color& p = at(x, y);
            p = mix(p, c, cover);
        }
    }
}

template <class F> void canvas::shade(float x0, float y0, float x1, float y1, F f) {
    int px0 = static_cast<int>(x0 * unit), py0 = static_cast<int>(y0 * unit);
    int px1 = static_cast<int>(x1 * unit + 0.999f), py1 = static_cast<int>(y1 * unit + 0.999f);
    clip(px0, py0, px1, py1);
    for (int y = py0; y < py1; ++y)
        for (int x = px0; x < px1; ++x)
            f((x + 0.5f) / unit, (y + 0.5f) / unit, at(x, y));
}
