// Glyphs from the DejaVu faces through FreeType: the game's glyph sheets and the pictures' titles.
#include "tools/text_render.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "text/font_sizes.h"
#include "text/metrics_file.h"

const char* const kSansBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
const char* const kSansCondensedBold =
    "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";
const char* const kSerifBold = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf";

namespace {

// A coverage mask in pixels with the pen origin at (ox, baseline).
struct mask {
    int w = 0, h = 0;
    std::vector<float> a;
    float at(int x, int y) const {
        if (x < 0 || y < 0 || x >= w || y >= h)
            return 0.0f;
        return a[static_cast<std::size_t>(y) * w + x];
    }
};

struct face_cache {
    FT_Library library = nullptr;
    std::map<std::string, FT_Face> faces;
    face_cache() {
        if (FT_Init_FreeType(&library))
            throw std::runtime_error("FreeType would not start");
    }
    ~face_cache() {
        for (auto& f : faces)
            FT_Done_Face(f.second);
        FT_Done_FreeType(library);
    }
    FT_Face get(const char* path, int pixels) {
        auto it = faces.find(path);
        FT_Face face;
        if (it == faces.end()) {
            if (FT_New_Face(library, path, 0, &face))
                throw std::runtime_error(std::string("cannot open the font ") + path +
                                         " (install fonts-dejavu-core)");
            faces[path] = face;
        } else {
            face = it->second;
        }
        FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixels));
        return face;
    }
};

face_cache& fonts() {
    static face_cache cache;
    return cache;
}

struct glyph_bits {
    int left, top, advance;
    mask bits;
};

glyph_bits render_glyph(const char* face_path, int pixels, unsigned char ch) {
    FT_Face face = fonts().get(face_path, pixels);
    if (FT_Load_Char(face, ch, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT))
        throw std::runtime_error("FreeType cannot render a character");
    FT_GlyphSlot slot = face->glyph;
    glyph_bits g;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    g.bits.w = static_cast<int>(slot->bitmap.width);
    g.bits.h = static_cast<int>(slot->bitmap.rows);
    g.bits.a.resize(static_cast<std::size_t>(g.bits.w) * g.bits.h);
    for (int y = 0; y < g.bits.h; ++y)
        for (int x = 0; x < g.bits.w; ++x)
            g.bits.a[static_cast<std::size_t>(y) * g.bits.w + x] =
                slot->bitmap.buffer[y * slot->bitmap.pitch + x] / 255.0f;
    // Faint edge columns only widen the cell: drop them.
    auto column_ink = [&](int x) {
        float most = 0;
        for (int y = 0; y < g.bits.h; ++y)
            most = std::max(most, g.bits.at(x, y));
        return most;
    };
    int first = 0, last = g.bits.w - 1;
    while (first <= last && column_ink(first) < 0.2f)
        ++first;
    while (last >= first && column_ink(last) < 0.2f)
        --last;
    if (first > 0 || last < g.bits.w - 1) {
        mask trimmed;
        trimmed.w = std::max(0, last - first + 1);
        trimmed.h = g.bits.h;
        trimmed.a.resize(static_cast<std::size_t>(trimmed.w) * trimmed.h);
        for (int y = 0; y < trimmed.h; ++y)
            for (int x = 0; x < trimmed.w; ++x)
                trimmed.a[static_cast<std::size_t>(y) * trimmed.w + x] = g.bits.at(first + x, y);
        g.left += first;
        g.bits = trimmed;
    }
    return g;
}

// Grows a mask by radius pixels (soft edge kept), for outlines.
mask dilate(const mask& m, float radius) {
    mask out;
    out.w = m.w;
    out.h = m.h;
    out.a.assign(m.a.size(), 0.0f);
    int r = static_cast<int>(std::ceil(radius));
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x) {
            float best = 0;
            for (int dy = -r; dy <= r; ++dy)
                for (int dx = -r; dx <= r; ++dx) {
                    float d = std::sqrt(static_cast<float>(dx * dx + dy * dy));
                    float reach = clampf(radius + 0.5f - d, 0.0f, 1.0f);
                    if (reach <= 0)
                        continue;
                    best = std::max(best, m.at(x + dx, y + dy) * reach);
                }
            out.a[static_cast<std::size_t>(y) * m.w + x] = best;
        }
    return out;
}

// Lays a text out into a mask with margin pad around it; returns the pen start and baseline.
mask layout_text(const char* face_path, int pixels, const std::string& text, int pad,
                 int* baseline) {
    FT_Face face = fonts().get(face_path, pixels);
    int ascent = static_cast<int>(face->size->metrics.ascender >> 6);
    int descent = static_cast<int>(-(face->size->metrics.descender >> 6));
    std::vector<glyph_bits> glyphs;
    int width = 0;
    for (unsigned char ch : text) {
        glyphs.push_back(render_glyph(face_path, pixels, ch));
        width += glyphs.back().advance;
    }
    mask m;
    m.w = width + 2 * pad + pixels / 4;
    m.h = ascent + descent + 2 * pad;
    m.a.assign(static_cast<std::size_t>(m.w) * m.h, 0.0f);
    int pen = pad;
    *baseline = pad + ascent;
    for (const glyph_bits& g : glyphs) {
        for (int y = 0; y < g.bits.h; ++y)
            for (int x = 0; x < g.bits.w; ++x) {
                int tx = pen + g.left + x, ty = *baseline - g.top + y;
                if (tx < 0 || ty < 0 || tx >= m.w || ty >= m.h)
                    continue;
                float& p = m.a[static_cast<std::size_t>(ty) * m.w + tx];
                p = std::min(1.0f, p + g.bits.at(x, y));
            }
        pen += g.advance;
    }
    return m;
}

// A glyph's cell is its ink with the outline around it and the shadow beside it: the game
// advances by the cell width plus one, so the font's own side bearings would only add air.
int cell_width(const glyph_bits& g, int outline, int shadow) {
    if (g.bits.w == 0)
        return std::max(1, g.advance - 1);
    (void)shadow; // the shadow falls straight down and needs no width
    return g.bits.w + 2 * outline;
}

} // namespace

std::string sheet_characters() {
    std::string chars;
    for (int c = 33; c < 127; ++c)
        chars.push_back(static_cast<char>(c));
    return chars;
}

glyph_sheet build_glyph_sheet(const font_recipe& recipe, const std::vector<glyph_look>& looks) {
    const std::string chars = sheet_characters();
    const int o = recipe.outline, s = recipe.shadow;
    glyph_sheet sheet;

    // The biggest size whose glyphs with outline and shadow fit the line and whose widest
    // texts fit their room.
    int pixels = recipe.line_height;
    std::vector<glyph_bits> glyphs;
    int top_max = 0;
    for (; pixels > 4; --pixels) {
        glyphs.clear();
        top_max = 0;
        int bottom_max = 0;
        for (char ch : chars) {
            glyphs.push_back(render_glyph(recipe.face, pixels, static_cast<unsigned char>(ch)));
            top_max = std::max(top_max, glyphs.back().top);
            bottom_max = std::max(bottom_max, glyphs.back().bits.h - glyphs.back().top);
        }
        if (top_max + bottom_max + 2 * o + s > recipe.line_height)
            continue;
        auto width_of = [&](const char* text) {
            int total = 0;
            for (const char* p = text; *p; ++p) {
                if (*p == ' ') {
                    total += recipe.space_width;
                    continue;
                }
                total += cell_width(glyphs[chars.find(*p)], o, s) + 1;
            }
            return total;
        };
        if (recipe.widest_text && width_of(recipe.widest_text) > recipe.widest_width)
            continue;
        if (recipe.second_text && width_of(recipe.second_text) > recipe.second_width)
            continue;
        break;
    }
    sheet.pixel_size = pixels;
    // Glyph tops line up on one baseline; a spare line pixel goes above rather than below.
    int slack = recipe.line_height - (2 * o + s);
    int bottom_max = 0;
    for (const glyph_bits& g : glyphs)
        bottom_max = std::max(bottom_max, g.bits.h - g.top);
    int baseline = o + top_max + std::max(0, (slack - top_max - bottom_max + 1) / 2);

    // Cells side by side with two key pixels between them.
    struct cell {
        int x, w, ox;
    };
    std::vector<cell> cells;
    int x = 1;
    for (const glyph_bits& g : glyphs) {
        int w = cell_width(g, o, s);
        cells.push_back({x, w, o - g.left});
        x += w + 2;
    }
    indexed_image& img = sheet.image;
    img.w = x + 1;
    img.h = recipe.line_height * static_cast<int>(looks.size());
    img.index.assign(static_cast<std::size_t>(img.w) * img.h, 0);

    // Palette: 0 key; per look 1 shadow colour and 8 fill rows of 15 blends with the outline.
    const int rows = 8, levels = 15, per_look = 1 + rows * levels;
    img.palette[0][0] = 255;
    img.palette[0][1] = 0;
    img.palette[0][2] = 255;
    auto set_palette = [&](int i, color c) {
        img.palette[i][0] = static_cast<std::uint8_t>(clampf(c.r, 0, 1) * 255 + 0.5f);
        img.palette[i][1] = static_cast<std::uint8_t>(clampf(c.g, 0, 1) * 255 + 0.5f);
        img.palette[i][2] = static_cast<std::uint8_t>(clampf(c.b, 0, 1) * 255 + 0.5f);
    };
    for (std::size_t l = 0; l < looks.size(); ++l) {
        int base = 1 + static_cast<int>(l) * per_look;
        set_palette(base, looks[l].shadow);
        for (int r = 0; r < rows; ++r) {
            color fill = mix(looks[l].top, looks[l].bottom, r / float(rows - 1));
            for (int v = 0; v < levels; ++v)
                set_palette(base + 1 + r * levels + v,
                            mix(looks[l].outline, fill, v / float(levels - 1)));
        }
    }

    int ink_top = baseline - top_max, ink_bottom = baseline + bottom_max;
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const glyph_bits& g = glyphs[i];
        const cell& c = cells[i];
        // The glyph's coverage placed in its cell, then grown for the outline.
        mask m;
        m.w = c.w;
        m.h = recipe.line_height;
        m.a.assign(static_cast<std::size_t>(m.w) * m.h, 0.0f);
        for (int y = 0; y < g.bits.h; ++y)
            for (int gx = 0; gx < g.bits.w; ++gx) {
                int tx = c.ox + g.left + gx, ty = baseline - g.top + y;
                if (tx >= 0 && ty >= 0 && tx < m.w && ty < m.h)
                    m.a[static_cast<std::size_t>(ty) * m.w + tx] = g.bits.at(gx, y);
            }
        mask outer = o > 0 ? dilate(m, static_cast<float>(o)) : m;
        for (std::size_t l = 0; l < looks.size(); ++l) {
            int base = 1 + static_cast<int>(l) * per_look;
            for (int y = 0; y < m.h; ++y)
                for (int cx = 0; cx < m.w; ++cx) {
                    std::uint8_t index = 0;
                    if (outer.at(cx, y) >= 0.5f) {
                        float t =
                            clampf((y - ink_top) / float(std::max(1, ink_bottom - ink_top)), 0, 1);
                        int row = std::min(rows - 1, static_cast<int>(t * rows));
                        int level = static_cast<int>(m.at(cx, y) * (levels - 1) + 0.5f);
                        index = static_cast<std::uint8_t>(base + 1 + row * levels + level);
                    } else if (s > 0 && outer.at(cx, y - s) >= 0.5f) {
                        index = static_cast<std::uint8_t>(base);
                    }
                    img.index[static_cast<std::size_t>(y +
                                                       static_cast<int>(l) * recipe.line_height) *
                                  img.w +
                              c.x + cx] = index;
                }
        }
    }

    // The metrics file, in the layout the game reads.
    std::vector<metrics_glyph> table;
    std::vector<int> advances;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        table.push_back(
            {static_cast<unsigned char>(chars[i]), cells[i].x, 0, cells[i].w, recipe.line_height});
        advances.push_back(cells[i].w + 1);
    }
    sheet.metrics = metrics_text(table, advances);
    return sheet;
}

glyph_sheet build_small_font(int scale) {
    // "Level:" must clear a two-digit level that ends at x 72, "Best score:" the number at x 110.
    font_recipe recipe{kSansCondensedBold,
                       SmallFontSize.line_height * scale,
                       0,
                       scale,
                       SmallFontSize.space_width * scale,
                       "Best score:",
                       86 * scale,
                       "Level: 20",
                       62 * scale};
    // Look 0 for the play screen's dark strip, look 1 for the menu's panels.
    std::vector<glyph_look> looks = {
        {hex(0xffffff), hex(0xbfe4ff), hex(0x0b1a33), hex(0x000000)},
        {hex(0xfff7c2), hex(0xffb52e), hex(0x3a1606), hex(0x000000)},
    };
    return build_glyph_sheet(recipe, looks);
}

glyph_sheet build_big_font(int scale) {
    font_recipe recipe{kSerifBold,
                       BigFontSize.line_height * scale,
                       scale,
                       scale,
                       BigFontSize.space_width * scale,
                       "Continue game?",
                       214 * scale,
                       nullptr,
                       0};
    std::vector<glyph_look> looks = {
        {hex(0xffffff), hex(0xffc94d), hex(0x3b0f3f), hex(0x140414)},
    };
    return build_glyph_sheet(recipe, looks);
}

int sheet_text_width(const glyph_sheet& sheet, const std::string& text, int space_width) {
    // Reads the widths back out of the metrics text with the game's reader.
    const std::string chars = sheet_characters();
    std::vector<metrics_glyph> glyphs;
    read_metrics_text(sheet.metrics, glyphs);
    std::vector<int> widths;
    for (const metrics_glyph& g : glyphs)
        widths.push_back(g.w);
    int total = 0;
    for (char ch : text) {
        if (ch == ' ') {
            total += space_width;
            continue;
        }
        std::size_t i = chars.find(ch);
        total += (i == std::string::npos ? widths[0] : widths[i]) + 1;
    }
    return total;
}

float title_width(const std::string& text, const title_style& style, float unit) {
    int pixels = static_cast<int>(style.size * unit + 0.5f);
    int pad = static_cast<int>(std::ceil((style.outline_width + style.shadow) * unit)) + 2;
    int baseline;
    mask m = layout_text(style.face, pixels, text, pad, &baseline);
    return static_cast<float>(m.w - pixels / 4 - 2 * pad) / unit + 2 * style.outline_width;
}

void draw_title(canvas& c, const std::string& text, const title_style& style, float cx,
                float baseline_y) {
    int pixels = static_cast<int>(style.size * c.unit + 0.5f);
    int pad = static_cast<int>(std::ceil((style.outline_width + style.shadow) * c.unit)) + 2;
    int baseline;
    mask m = layout_text(style.face, pixels, text, pad, &baseline);
    float ow = style.outline_width * c.unit;
    mask outer = ow > 0 ? dilate(m, ow) : m;
    int text_w = m.w - pixels / 4 - 2 * pad;
    int left = static_cast<int>(cx * c.unit) - text_w / 2 - pad;
    int top = static_cast<int>(baseline_y * c.unit) - baseline;
    int sh = static_cast<int>(style.shadow * c.unit + 0.5f);
    FT_Face face = fonts().get(style.face, pixels);
    int ascent = static_cast<int>(face->size->metrics.ascender >> 6);
    float cap = ascent * 0.75f;
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x) {
            int tx = left + x, ty = top + y;
            if (tx < 0 || ty < 0 || tx >= c.w || ty >= c.h)
                continue;
            color& p = c.at(tx, ty);
            if (sh > 0)
                p = mix(p, hex(0x000000), outer.at(x - sh, y - sh) * style.shadow_alpha);
            p = mix(p, style.outline, outer.at(x, y));
            float t = clampf((y - (baseline - cap)) / cap, 0.0f, 1.0f);
            p = mix(p, mix(style.top, style.bottom, t), m.at(x, y));
        }
}
