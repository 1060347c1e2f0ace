// The contact sheet: the Scale 1 set laid out on one picture, with two screens put together.
#include <cstdio>
#include <string>

#include "text/font_sizes.h"
#include "text/metrics_file.h"
#include "tools/art.h"
#include "tools/media_set.h"

namespace {

// A glyph sheet's table read back with the game's reader; glyph g draws character chars[g].
struct glyph_table {
    std::string chars;
    std::vector<metrics_glyph> glyphs;
};

glyph_table parse_metrics(const std::string& metrics) {
    glyph_table t;
    read_metrics_text(metrics, t.glyphs);
    for (const metrics_glyph& g : t.glyphs)
        t.chars.push_back(static_cast<char>(g.character));
    return t;
}

void paste_indexed(canvas& c, const indexed_image& img, int ox, int oy, int zoom, bool keyed) {
    std::uint8_t key = img.index[0];
    for (int y = 0; y < img.h * zoom; ++y)
        for (int x = 0; x < img.w * zoom; ++x) {
            std::uint8_t i = img.index[static_cast<std::size_t>(y / zoom) * img.w + x / zoom];
            if (keyed && i == key)
                continue;
            int tx = ox + x, ty = oy + y;
            if (tx >= 0 && ty >= 0 && tx < c.w && ty < c.h)
                c.at(tx, ty) = rgb(img.palette[i][0], img.palette[i][1], img.palette[i][2]);
        }
}

// Draws text from a glyph sheet as the game does: each glyph w wide, advancing w + 1.
// mode 1 centres on the 240-pixel screen whose left edge is at sx.
void sheet_text(canvas& c, const glyph_sheet& sheet, const std::string& text, int sx, int x, int y,
                int style, int space, int mode) {
    glyph_table t = parse_metrics(sheet.metrics);
    int line = t.glyphs.at(0).h;
    if (mode == 1)
        x = (240 - sheet_text_width(sheet, text, space)) / 2;
    if (mode == 2)
        x = x - sheet_text_width(sheet, text, space);
    x += sx;
    for (char ch : text) {
        if (ch == ' ') {
            x += space;
            continue;
        }
        std::size_t g = t.chars.find(ch);
        if (g == std::string::npos)
            g = 0;
        std::uint8_t key = sheet.image.index[0];
        const metrics_glyph& m = t.glyphs.at(g);
        for (int j = 0; j < m.h; ++j)
            for (int i = 0; i < m.w; ++i) {
                std::uint8_t v =
                    sheet.image
                        .index[static_cast<std::size_t>(m.y + j + style * line) * sheet.image.w +
                               m.x + i];
                if (v == key)
                    continue;
                int tx = x + i, ty = y + j;
                if (tx >= 0 && ty >= 0 && tx < c.w && ty < c.h)
                    c.at(tx, ty) = rgb(sheet.image.palette[v][0], sheet.image.palette[v][1],
                                       sheet.image.palette[v][2]);
            }
        x += m.w + 1;
    }
}

} // namespace

rgb_image build_preview() {
    const int scale = 1;
    const int small_space = SmallFontSize.space_width * scale;
    const int big_space = BigFontSize.space_width * scale;
    media_set set;
    set.small_font = build_small_font(scale);
    set.big_font = build_big_font(scale);
    const int W = 1260, level_rows = 4;
    const int H = 15 + level_rows * 250 + 340 + 345;
    canvas sheet(W, H, 1.0f);
    sheet.fill(hex(0x30323a));

    // The twenty level pictures with a 5 x 5 grid hint in the corners only.
    std::vector<canvas> levels;
    for (int n = 1; n <= kLevelCount; ++n) {
        levels.push_back(draw_level(n, scale));
        int col = (n - 1) % 5, row = (n - 1) / 5;
        int x = 10 + col * 235, y = 10 + row * 250;
        sheet.paste(levels.back(), static_cast<float>(x), static_cast<float>(y));
        std::string label = std::to_string(n) + ".jpg " + level_title(n);
        sheet_text(sheet, set.small_font, label, 0, x, y + 227, 0, small_space, 0);
    }

    // The screens as the game shows them.
    int sy = 15 + level_rows * 250;
    canvas splash = draw_splash(scale), loading = draw_loading(scale), intro = draw_intro(scale);
    canvas menu = draw_intro(scale), play = draw_board(scale), prompt = draw_intro(scale);
    sheet.paste(splash, 10, static_cast<float>(sy));
    sheet.paste(loading, 260, static_cast<float>(sy));

    sheet_text(menu, set.big_font, "Start Game", 0, 0, 120, 0, big_space, 1);
    sheet_text(menu, set.big_font, "Exit Game", 0, 0, 160, 0, big_space, 1);
    sheet_text(menu, set.small_font, "Best score:", 0, 20, 250, 1, small_space, 0);
    sheet_text(menu, set.small_font, "1234", 0, 110, 250, 1, small_space, 0);
    sheet.paste(menu, 510, static_cast<float>(sy));

    sheet_text(prompt, set.big_font, "Continue game?", 0, 0, 95, 0, big_space, 1);
    sheet_text(prompt, set.small_font, "Would you like to continue", 0, 0, 127, 1, small_space, 1);
    sheet_text(prompt, set.small_font, "your saved game?", 0, 0, 147, 1, small_space, 1);
    sheet_text(prompt, set.small_font, "Yes", 0, 87, 180, 1, small_space, 0);
    sheet_text(prompt, set.small_font, "/", 0, 117, 180, 1, small_space, 0);
    sheet_text(prompt, set.small_font, "No", 0, 130, 180, 1, small_space, 0);
    sheet_text(prompt, set.small_font, "Best score:", 0, 20, 250, 1, small_space, 0);
    sheet_text(prompt, set.small_font, "-15", 0, 110, 250, 1, small_space, 0);
    sheet.paste(prompt, 760, static_cast<float>(sy));

    // Play: some tiles placed, one offered, rockets flying, the HUD.
    const canvas& level = levels[0];
    for (int cell = 0; cell < 25; ++cell) {
        if (cell % 3 == 1)
            continue;
        int col = cell % 5, row = cell / 5;
        for (int j = 0; j < 45; ++j)
            for (int i = 0; i < 45; ++i)
                play.at(7 + col * 45 + i, 7 + row * 45 + j) = level.at(col * 45 + i, row * 45 + j);
    }
    for (int j = 0; j < 45; ++j)
        for (int i = 0; i < 45; ++i)
            play.at(97 + i, 245 + j) = level.at(45 + i, 45 + j);
    indexed_image rockets = draw_rockets(scale, false);
    paste_indexed(play, rockets, 40 - 25, 150, 1, true);
    sheet_text(play, set.small_font, "Level:", 0, 12, 296, 0, small_space, 0);
    sheet_text(play, set.small_font, "7", 0, 72, 296, 0, small_space, 2);
    sheet_text(play, set.small_font, "Score:", 0, 140, 296, 0, small_space, 0);
    sheet_text(play, set.small_font, "-35", 0, 230, 296, 0, small_space, 2);
    canvas bar = draw_timebar(scale);
    for (int j = 0; j < 5; ++j)
        for (int i = 0; i < 150; ++i)
            play.at(5 + i, 315 + j) = bar.at(i, j);
    sheet.paste(play, 1010, static_cast<float>(sy));

    // Below: the good-work banner over a finished board, and the end screen.
    int by = sy + 340;
    canvas done = draw_board(scale);
    done.paste(levels[4], 7, 7);
    done.paste(draw_goodwork(scale), 0, 60);
    sheet.paste(done, 10, static_cast<float>(by));
    canvas over = draw_intro(scale);
    sheet_text(over, set.big_font, "Game Over", 0, 0, 135, 0, big_space, 1);
    sheet_text(over, set.small_font, "Your score:", 0, 20, 250, 1, small_space, 0);
    sheet_text(over, set.small_font, "415", 0, 110, 250, 1, small_space, 0);
    sheet.paste(over, 260, static_cast<float>(by));
    canvas end = draw_intro(scale);
    sheet_text(end, set.big_font, "Good work", 0, 0, 135, 0, big_space, 1);
    sheet_text(end, set.small_font, "Enable Sound?", 0, 0, 100, 1, small_space, 1);
    sheet_text(end, set.small_font, "Yes", 0, 70, 130, 1, small_space, 0);
    sheet_text(end, set.small_font, "No", 0, 150, 130, 1, small_space, 0);
    sheet.paste(end, 510, static_cast<float>(by));

    // Fonts, sprites and the time bar at the right.
    int fx = 760, fy = by;
    std::string abc = "ABCDEFGHIJKLMNOPQRSTUVWXYZ", low = "abcdefghijklmnopqrstuvwxyz",
                digits = "0123456789 -:?/!.,'()+=";
    sheet.rect(static_cast<float>(fx), static_cast<float>(fy), 480, 340, hex(0x1a1c24));
    sheet_text(sheet, set.small_font, abc, fx, 6, fy + 4, 0, small_space, 0);
    sheet_text(sheet, set.small_font, low, fx, 6, fy + 22, 0, small_space, 0);
    sheet_text(sheet, set.small_font, digits, fx, 6, fy + 40, 0, small_space, 0);
    sheet_text(sheet, set.small_font, abc, fx, 6, fy + 62, 1, small_space, 0);
    sheet_text(sheet, set.small_font, low, fx, 6, fy + 80, 1, small_space, 0);
    sheet_text(sheet, set.small_font, digits, fx, 6, fy + 98, 1, small_space, 0);
    sheet_text(sheet, set.big_font, "ABCDEFGHIJKLMNOPQ", fx, 6, fy + 120, 0, big_space, 0);
    sheet_text(sheet, set.big_font, "RSTUVWXYZ 0123456789", fx, 6, fy + 150, 0, big_space, 0);
    sheet_text(sheet, set.big_font, "abcdefghijklmnopqrs", fx, 6, fy + 180, 0, big_space, 0);
    sheet_text(sheet, set.big_font, "tuvwxyz -:?/!.", fx, 6, fy + 210, 0, big_space, 0);
    paste_indexed(sheet, draw_rockets(scale, false), fx + 6, fy + 250, 3, true);
    paste_indexed(sheet, draw_rockets(scale, true), fx + 170, fy + 250, 3, true);
    paste_indexed(sheet, draw_spark(scale, false), fx + 230, fy + 250, 6, false);
    paste_indexed(sheet, draw_spark(scale, true), fx + 280, fy + 250, 6, false);
    sheet.paste(bar, static_cast<float>(fx + 6), static_cast<float>(fy + 300));
    return to_image(sheet);
}
