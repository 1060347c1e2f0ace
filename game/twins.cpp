// The tile-difference measure and the twin finder shared by the game, its media tests and bench.
#include "game/twins.h"

#include <cmath>
#include <cstring>

namespace {

struct channel {
    int shift = 0;
    float scale = 0.0f; // maps the masked value to 0..1
};

channel channel_of(std::uint32_t mask) {
    channel c;
    if (mask == 0)
        return c;
    while (!(mask & 1u)) {
        mask >>= 1;
        ++c.shift;
    }
    c.scale = 1.0f / static_cast<float>(mask);
    return c;
}

} // namespace

namespace {

// One row of blocks summed, with the pixel size known to the compiler (a call per pixel would
// cost more than all the rest).
template <int Bpp>
void sum_block_row(const picture_pixels& p, const channel* ch, int block, int by,
                   std::uint32_t (*sums)[3]) {
    const int blocks = 5 * kTileBlocks;
    for (int y = by * block; y < (by + 1) * block; ++y) {
        const std::uint8_t* row = p.data + static_cast<long>(y) * p.pitch;
        for (int bx = 0; bx < blocks; ++bx) {
            std::uint32_t* s = sums[bx];
            for (int x = bx * block; x < (bx + 1) * block; ++x) {
                std::uint32_t v = 0;
                std::memcpy(&v, row + x * Bpp, Bpp);
                s[0] += (v & p.masks[0]) >> ch[0].shift;
                s[1] += (v & p.masks[1]) >> ch[1].shift;
                s[2] += (v & p.masks[2]) >> ch[2].shift;
            }
        }
    }
}

} // namespace

bool tile_prints_of(const picture_pixels& p, int tile_px, tile_prints* out) {
    if (!p.data || tile_px < kTileBlocks || tile_px % kTileBlocks != 0 || p.w < 5 * tile_px ||
        p.h < 5 * tile_px || p.bytes_per_pixel < 1 || p.bytes_per_pixel > 4 ||
        p.pitch < p.w * p.bytes_per_pixel)
        return false;
    const channel ch[3] = {channel_of(p.masks[0]), channel_of(p.masks[1]), channel_of(p.masks[2])};
    const int block = tile_px / kTileBlocks, blocks = 5 * kTileBlocks;
    const float area = static_cast<float>(block * block);
    for (int by = 0; by < blocks; ++by) {
        std::uint32_t sums[5 * kTileBlocks][3] = {};
        switch (p.bytes_per_pixel) {
        case 1:
            sum_block_row<1>(p, ch, block, by, sums);
            break;
        case 2:
            sum_block_row<2>(p, ch, block, by, sums);
            break;
        case 3:
            sum_block_row<3>(p, ch, block, by, sums);
            break;
        default:
            sum_block_row<4>(p, ch, block, by, sums);
            break;
        }
        for (int bx = 0; bx < blocks; ++bx) {
            int tile = cell_at(bx / kTileBlocks, by / kTileBlocks);
            int at = ((by % kTileBlocks) * kTileBlocks + bx % kTileBlocks) * 3;
            for (int k = 0; k < 3; ++k)
                out->v[tile][at + k] = static_cast<float>(sums[bx][k]) / area * ch[k].scale;
        }
    }
    return true;
}

float tile_difference(const tile_prints& prints, int a, int b) {
    float sum = 0.0f;
    for (int i = 0; i < kTileValues; ++i) {
        float d = prints.v[a][i] - prints.v[b][i];
        sum += d * d;
    }
    return std::sqrt(sum / static_cast<float>(kTileValues));
}

void find_twins(const tile_prints& prints, std::uint32_t twins[Cells]) {
    for (int t = 0; t < Cells; ++t)
        twins[t] = 0;
    for (int a = 0; a < Cells; ++a)
        for (int b = a + 1; b < Cells; ++b)
            if (tile_difference(prints, a, b) < kTwinThreshold) {
                twins[a] |= 1u << b;
                twins[b] |= 1u << a;
            }
}

const char* tile_view_name(tile_view view) {
    switch (view) {
    case tile_view::grey:
        return "grey";
    case tile_view::deuteranopia:
        return "deuteranopia";
    case tile_view::protanopia:
        return "protanopia";
    default:
        return "colour";
    }
}

void view_tile_prints(const tile_prints& in, tile_view view, tile_prints* out) {
    // Rows give the seen red, green and blue from the drawn ones.
    static const float grey[3][3] = {
        {0.299f, 0.587f, 0.114f}, {0.299f, 0.587f, 0.114f}, {0.299f, 0.587f, 0.114f}};
    static const float deuteranopia[3][3] = {{0.367322f, 0.860646f, -0.227968f},
                                             {0.280085f, 0.672501f, 0.047413f},
                                             {-0.011820f, 0.042940f, 0.968881f}};
    static const float protanopia[3][3] = {{0.152286f, 1.052583f, -0.204868f},
                                           {0.114503f, 0.786281f, 0.099216f},
                                           {-0.003882f, -0.048116f, 1.051998f}};
    const float(*m)[3] = view == tile_view::grey           ? grey
                         : view == tile_view::deuteranopia ? deuteranopia
                         : view == tile_view::protanopia   ? protanopia
                                                           : nullptr;
    for (int t = 0; t < Cells; ++t)
        for (int i = 0; i < kTileValues; i += 3) {
            const float* c = &in.v[t][i];
            for (int k = 0; k < 3; ++k) {
                float v = m ? m[k][0] * c[0] + m[k][1] * c[1] + m[k][2] * c[2] : c[k];
                out->v[t][i + k] = v < 0.0f ? 0.0f : v > 1.0f ? 1.0f : v;
            }
        }
}
