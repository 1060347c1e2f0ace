// Photos into level pictures: the Exif orientation, turning upright, and the centred square.
#include "res/photo.h"

#include <algorithm>
#include <cstring>

namespace {

// The Orientation entry of a TIFF structure's first directory, as Exif blocks hold it.
int tiff_orientation(const std::uint8_t* t, std::size_t n) {
    if (n < 8 || !((t[0] == 'I' && t[1] == 'I') || (t[0] == 'M' && t[1] == 'M')))
        return 1;
    const bool big = t[0] == 'M';
    auto u16 = [&](std::size_t at) -> long {
        if (at > n || n - at < 2)
            return -1;
        return big ? (t[at] << 8 | t[at + 1]) : (t[at] | t[at + 1] << 8);
    };
    auto u32 = [&](std::size_t at) -> long long {
        long hi = u16(big ? at : at + 2), lo = u16(big ? at + 2 : at);
        return hi < 0 || lo < 0 ? -1 : (static_cast<long long>(hi) << 16 | lo);
    };
    long long first = u32(4);
    if (u16(2) != 42 || first < 8)
        return 1;
    const std::size_t ifd = static_cast<std::size_t>(first);
    const long entries = u16(ifd);
    for (long i = 0; i < entries; ++i) {
        const std::size_t e = ifd + 2 + 12 * static_cast<std::size_t>(i);
        long tag = u16(e);
        if (tag < 0)
            return 1;
        if (tag == 0x0112) {
            long value = u16(e + 8);
            return u16(e + 2) == 3 && value >= 1 && value <= 8 ? static_cast<int>(value) : 1;
        }
    }
    return 1;
}

int jpeg_orientation(const std::uint8_t* d, std::size_t n) {
    std::size_t at = 2;
    while (at + 4 <= n && d[at] == 0xFF) {
        const std::uint8_t marker = d[at + 1];
        if (marker == 0xFF) { // a fill byte before the marker
            ++at;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) // the picture data, or its end: no Exif before it
            return 1;
        const std::size_t length = static_cast<std::size_t>(d[at + 2] << 8 | d[at + 3]);
        if (length < 2 || length > n - at - 2)
            return 1;
        if (marker == 0xE1 && length >= 8 && std::memcmp(d + at + 4, "Exif\0\0", 6) == 0)
            return tiff_orientation(d + at + 10, length - 8);
        at += 2 + length;
    }
    return 1;
}

int png_orientation(const std::uint8_t* d, std::size_t n) {
    std::size_t at = 8;
    while (at + 12 <= n) {
        const std::size_t length =
            static_cast<std::size_t>(d[at]) << 24 | d[at + 1] << 16 | d[at + 2] << 8 | d[at + 3];
        if (length > n - at - 12)
            return 1;
        if (std::memcmp(d + at + 4, "eXIf", 4) == 0)
            return tiff_orientation(d + at + 8, length);
        if (std::memcmp(d + at + 4, "IEND", 4) == 0)
            return 1;
        at += 12 + length;
    }
    return 1;
}

} // namespace

int photo_orientation(const std::uint8_t* data, std::size_t size) {
    static const std::uint8_t png_magic[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (!data)
        return 1;
    if (size >= 4 && data[0] == 0xFF && data[1] == 0xD8)
        return jpeg_orientation(data, size);
    if (size >= 8 && std::memcmp(data, png_magic, 8) == 0)
        return png_orientation(data, size);
    return 1;
}

rgb_image upright(const rgb_image& src, int orientation) {
    if (orientation < 2 || orientation > 8 || src.w < 1 || src.h < 1 ||
        src.pixels.size() != static_cast<std::size_t>(src.w) * src.h * 3)
        return src;
    // For each orientation from 2: whether the sides swap (a quarter turn), and whether the
    // source's columns and rows are read backwards.
    static const bool steps[7][3] = {
        {false, true, false}, {false, true, true}, {false, false, true}, {true, false, false},
        {true, false, true},  {true, true, true},  {true, true, false}};
    const bool* step = steps[orientation - 2];
    const int w = src.w, h = src.h;
    rgb_image out;
    out.w = step[0] ? h : w;
    out.h = step[0] ? w : h;
    out.pixels.resize(static_cast<std::size_t>(w) * h * 3);
    for (int y = 0; y < out.h; ++y)
        for (int x = 0; x < out.w; ++x) {
            int u = step[0] ? y : x, v = step[0] ? x : y;
            int sx = step[1] ? w - 1 - u : u, sy = step[2] ? h - 1 - v : v;
            std::memcpy(&out.pixels[(static_cast<std::size_t>(y) * out.w + x) * 3],
                        &src.pixels[(static_cast<std::size_t>(sy) * w + sx) * 3], 3);
        }
    return out;
}

rgb_image square_crop_resize(const rgb_image& src, int size) {
    int side = src.w < src.h ? src.w : src.h;
    int ox = (src.w - side) / 2, oy = (src.h - side) / 2;
    rgb_image out;
    out.w = out.h = size;
    out.pixels.assign(static_cast<std::size_t>(size) * size * 3, 0);
    double ratio = static_cast<double>(side) / size;
    auto sample = [&](int x, int y, int c) {
        return static_cast<double>(src.pixels[(static_cast<std::size_t>(y) * src.w + x) * 3 + c]);
    };
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            for (int c = 0; c < 3; ++c) {
                double value;
                if (ratio >= 1.0) {
                    // Area average over the source pixels this one covers.
                    double sx0 = x * ratio, sx1 = (x + 1) * ratio;
                    double sy0 = y * ratio, sy1 = (y + 1) * ratio;
                    double sum = 0, weight = 0;
                    for (int j = static_cast<int>(sy0); j < sy1 && j < side; ++j) {
                        double wy = std::min<double>(j + 1, sy1) - std::max<double>(j, sy0);
                        for (int i = static_cast<int>(sx0); i < sx1 && i < side; ++i) {
                            double wx = std::min<double>(i + 1, sx1) - std::max<double>(i, sx0);
                            sum += sample(ox + i, oy + j, c) * wx * wy;
                            weight += wx * wy;
                        }
                    }
                    value = weight > 0 ? sum / weight : 0;
                } else {
                    double fx = (x + 0.5) * ratio - 0.5, fy = (y + 0.5) * ratio - 0.5;
                    if (fx < 0)
                        fx = 0;
                    if (fy < 0)
                        fy = 0;
                    int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
                    int jx = ix + 1 < side ? ix + 1 : ix, jy = iy + 1 < side ? iy + 1 : iy;
                    double tx = fx - ix, ty = fy - iy;
                    double top =
                        sample(ox + ix, oy + iy, c) * (1 - tx) + sample(ox + jx, oy + iy, c) * tx;
                    double bottom =
                        sample(ox + ix, oy + jy, c) * (1 - tx) + sample(ox + jx, oy + jy, c) * tx;
                    value = top * (1 - ty) + bottom * ty;
                }
                out.pixels[(static_cast<std::size_t>(y) * size + x) * 3 + c] =
                    static_cast<std::uint8_t>(value + 0.5);
            }
        }
    }
    return out;
}
