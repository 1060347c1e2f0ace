// Fuzz target: a font metrics file, then measuring and laying out text with what it gave.
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "text/font.h"
#include "video/video.h"

int fuzz_metrics(const uint8_t* data, size_t size) {
    const std::string& folder = fuzz_folder();
    fuzz_write(folder + "metrics.txt", data, size);

    static font f;
    f.LoadMetrics(folder.c_str(), "metrics.txt", 4, 16);
    FUZZ_CHECK(f.glyph_count >= 0 && f.glyph_count <= 255);
    FUZZ_CHECK(f.space_width == 4 && f.line_height == 16);
    for (int c = 0; c < 256; c++)
        FUZZ_CHECK(f.glyph_of[c] == 0 || f.glyph_of[c] < f.glyph_count);
    // Glyphs lie inside what a picture can hold: widths and positions stay far from overflowing.
    for (const glyph_rect& g : f.glyphs)
        FUZZ_CHECK(g.x >= 0 && g.x <= 32767 && g.y >= 0 && g.y <= 32767 && g.w >= 0 &&
                   g.w <= 32767 && g.h >= 0 && g.h <= 32767);

    // Every byte value once, as a word and with spaces: the widths and positions the game would
    // compute from this file. Nothing reaches the screen (drawing is off), only the arithmetic.
    char text[512];
    int n = 0;
    for (int c = 1; c < 256; c++) {
        text[n++] = static_cast<char>(c);
        if (c % 7 == 0)
            text[n++] = ' ';
    }
    text[n] = '\0';
    int saved_drawing = drawing_enabled;
    drawing_enabled = 0;
    FUZZ_CHECK(f.TextWidth(text) >= 0);
    for (int style = 0; style < 3; style++)
        for (align how : {align::left, align::centre, align::right, align::justify}) {
            bool justified = how == align::justify;
            f.DrawText(text, {10, 20, how, justified ? 5 : 0, justified ? 235 : 0}, style);
        }
    f.DrawParagraph(text, 16, {10, 20, align::justify, 5, 235});
    f.IsHit(12, 25);
    drawing_enabled = saved_drawing;
    return 0;
}
