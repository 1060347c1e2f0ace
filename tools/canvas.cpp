// Drawing primitives of the media builder: colours, noise and anti-aliased shapes.
#include "tools/canvas.h"

#include <algorithm>
#include <cmath>

color rgb(int r, int g, int b) {
    return {r / 255.0f, g / 255.0f, b / 255.0f};
}

color hex(std::uint32_t v) {
    return rgb(static_cast<int>((v >> 16) & 255), static_cast<int>((v >> 8) & 255),
               static_cast<int>(v & 255));
}

color mix(color a, color b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

color scale_color(color c, float k) {
    return {c.r * k, c.g * k, c.b * k};
}

float clampf(float v, float lo, float hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

float smoothstep(float e0, float e1, float x) {
    float t = clampf((x - e0) / (e1 - e0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

std::uint32_t rng::next() {
    // xorshift32: small, fast and the same everywhere.
    std::uint32_t x = state_;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    state_ = x;
    return x;
}

float rng::uniform(float lo, float hi) {
    return lo + (hi - lo) * static_cast<float>(next() >> 8) / 16777216.0f;
}

int rng::below(int n) {
    return static_cast<int>(next() % static_cast<std::uint32_t>(n));
}

static float lattice(int x, int y, std::uint32_t seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<float>(h & 0xffffff) / 16777215.0f;
}

float value_noise(float x, float y, std::uint32_t seed) {
    float fx = std::floor(x), fy = std::floor(y);
    int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    float tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    float a = lattice(ix, iy, seed), b = lattice(ix + 1, iy, seed);
    float c = lattice(ix, iy + 1, seed), d = lattice(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float fbm(float x, float y, int octaves, std::uint32_t seed) {
    float sum = 0, amp = 0.5f, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += value_noise(x, y, seed + static_cast<std::uint32_t>(i) * 17u) * amp;
        norm += amp;
        x *= 2.03f;
        y *= 2.03f;
        amp *= 0.5f;
    }
    return sum / norm;
}

float sd_segment(float px, float py, float ax, float ay, float bx, float by) {
    float pax = px - ax, pay = py - ay, bax = bx - ax, bay = by - ay;
    float len2 = bax * bax + bay * bay;
    float t = len2 > 0 ? clampf((pax * bax + pay * bay) / len2, 0.0f, 1.0f) : 0.0f;
    float dx = pax - bax * t, dy = pay - bay * t;
    return std::sqrt(dx * dx + dy * dy);
}

float sd_polygon(const std::vector<pt>& v, float x, float y) {
    std::size_t n = v.size();
    float d = (x - v[0].x) * (x - v[0].x) + (y - v[0].y) * (y - v[0].y);
    float s = 1.0f;
    for (std::size_t i = 0, j = n - 1; i < n; j = i, ++i) {
        float ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
        float wx = x - v[i].x, wy = y - v[i].y;
        float len2 = ex * ex + ey * ey;
        float t = len2 > 0 ? clampf((wx * ex + wy * ey) / len2, 0.0f, 1.0f) : 0.0f;
        float bx = wx - ex * t, by = wy - ey * t;
        d = std::min(d, bx * bx + by * by);
        bool c1 = y >= v[i].y, c2 = y<v[j].y, c3 = ex * wy> ey * wx;
        if ((c1 && c2 && c3) || (!c1 && !c2 && !c3))
            s = -s;
    }
    return s * std::sqrt(d);
}

float sd_round_box(float px, float py, float cx, float cy, float hw, float hh, float r) {
    float qx = std::fabs(px - cx) - hw + r, qy = std::fabs(py - cy) - hh + r;
    float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0f) - r;
}

canvas::canvas(int width, int height, float u)
    : w(width), h(height), unit(u), px(static_cast<std::size_t>(width) * height, color{0, 0, 0}) {}

void canvas::fill(color c) {
    std::fill(px.begin(), px.end(), c);
}

void canvas::vgradient(float y0, float y1, color top, color bottom) {
    shade(0, y0, w / unit, y1, [&](float, float y, color& p) {
        p = mix(top, bottom, clampf((y - y0) / (y1 - y0), 0.0f, 1.0f));
    });
}

void canvas::rect(float x, float y, float rw, float rh, color c, float alpha) {
    round_rect(x, y, rw, rh, 0.0f, c, alpha);
}

void canvas::round_rect(float x, float y, float rw, float rh, float radius, color c, float alpha) {
    float cx = x + rw / 2, cy = y + rh / 2;
    shape(
        x, y, x + rw, y + rh,
        [=](float px_, float py_) {
            return sd_round_box(px_, py_, cx, cy, rw / 2, rh / 2, radius);
        },
        [=](float, float) { return c; }, alpha);
}

void canvas::circle(float cx, float cy, float r, color c, float alpha) {
    ellipse(cx, cy, r, r, c, alpha);
}

void canvas::ellipse(float cx, float cy, float rx, float ry, color c, float alpha) {
    shape(
        cx - rx, cy - ry, cx + rx, cy + ry,
        [=](float x, float y) {
            // Distance scaled by the smaller radius: close enough for the gentle ellipses drawn.
            float dx = (x - cx) / rx, dy = (y - cy) / ry;
            return (std::sqrt(dx * dx + dy * dy) - 1.0f) * std::min(rx, ry);
        },
        [=](float, float) { return c; }, alpha);
}

void canvas::ring(float cx, float cy, float r, float width, color c, float alpha) {
    float o = r + width / 2;
    shape(
        cx - o, cy - o, cx + o, cy + o,
        [=](float x, float y) { return std::fabs(std::hypot(x - cx, y - cy) - r) - width / 2; },
        [=](float, float) { return c; }, alpha);
}

// The box around a list of points.
static void bounds_of(const std::vector<pt>& points, float& x0, float& y0, float& x1, float& y1) {
    x0 = x1 = points[0].x;
    y0 = y1 = points[0].y;
    for (const pt& p : points) {
        x0 = std::min(x0, p.x);
        x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y);
        y1 = std::max(y1, p.y);
    }
}

void canvas::polygon(const std::vector<pt>& points, color c, float alpha) {
    float x0, y0, x1, y1;
    bounds_of(points, x0, y0, x1, y1);
    shape(
        x0, y0, x1, y1, [&](float x, float y) { return sd_polygon(points, x, y); },
        [=](float, float) { return c; }, alpha);
}

void canvas::line(float ax, float ay, float bx, float by, float width, color c, float alpha) {
    float r = width / 2;
    shape(
        std::min(ax, bx) - r, std::min(ay, by) - r, std::max(ax, bx) + r, std::max(ay, by) + r,
        [=](float x, float y) { return sd_segment(x, y, ax, ay, bx, by) - r; },
        [=](float, float) { return c; }, alpha);
}

void canvas::polyline(const std::vector<pt>& points, float width, color c, float alpha) {
    if (points.size() < 2)
        return;
    float r = width / 2;
    float x0, y0, x1, y1;
    bounds_of(points, x0, y0, x1, y1);
    // One pass over the union so that joints are not painted twice.
    shape(
        x0 - r, y0 - r, x1 + r, y1 + r,
        [&](float x, float y) {
            float d = 1e9f;
            for (std::size_t i = 1; i < points.size(); ++i)
                d = std::min(d, sd_segment(x, y, points[i - 1].x, points[i - 1].y, points[i].x,
                                           points[i].y));
            return d - r;
        },
        [=](float, float) { return c; }, alpha);
}

void canvas::paste(const canvas& other, float x, float y) {
    int ox = static_cast<int>(x * unit), oy = static_cast<int>(y * unit);
    for (int j = 0; j < other.h; ++j)
        for (int i = 0; i < other.w; ++i) {
            int tx = ox + i, ty = oy + j;
            if (tx >= 0 && ty >= 0 && tx < w && ty < h)
                at(tx, ty) = other.at(i, j);
        }
}

std::vector<std::uint8_t> canvas::bytes() const {
    std::vector<std::uint8_t> out(px.size() * 3);
    for (std::size_t i = 0; i < px.size(); ++i) {
        out[i * 3] = static_cast<std::uint8_t>(clampf(px[i].r, 0, 1) * 255.0f + 0.5f);
        out[i * 3 + 1] = static_cast<std::uint8_t>(clampf(px[i].g, 0, 1) * 255.0f + 0.5f);
        out[i * 3 + 2] = static_cast<std::uint8_t>(clampf(px[i].b, 0, 1) * 255.0f + 0.5f);
    }
    return out;
}
