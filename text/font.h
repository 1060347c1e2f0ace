// Bitmap fonts: glyph sheet plus metrics, measuring, four alignments, text buttons and paragraphs.
#pragma once

#include "video/sprite.h"
#include "video/units.h"

struct glyph_rect {
    int x, y, w, h;
};

struct text_box_rect {
    float x, y, w, h;
};

// How a line lies across the screen.
enum class align {
    left,    // starting at the place's x
    centre,  // centred between the margins
    right,   // ending at the right margin
    justify, // stretched from the left margin (the place's x when it is 0) to the right one
};

// Where a line of text is drawn, in pixels: its top at y, and x or the margins as its alignment
// takes them; both margins 0 stand for the screen's width.
struct text_place {
    int x = 0;
    int y = 0;
    align how = align::left;
    int left = 0;
    int right = 0;
};

// Places given in layout units, scaled to pixels: a line from (x, y); centred on the screen or
// between margins; right-aligned in a box, on its top.
text_place text_at(int x, int y);
text_place text_centred(int y, int left = 0, int right = 0);
text_place text_right_in(const layout_rect& box);

class font : public sprite {
  public:
    // The box of the last text drawn, which IsHit tests as a button.
    text_box_rect text_box = {0.0f, 0.0f, 0.0f, 0.0f};
    int glyph_count = 0;
    unsigned char glyph_of[256] = {};
    glyph_rect glyphs[255] = {};
    int line_height = 0;
    int space_width = 0;

    void LoadMetrics(const char* folder, const char* name, int space_width, int line_height);
    int TextWidth(const char* text) const;
    // style picks the look: the copy of the glyphs that many line heights down the sheet.
    void DrawText(const char* text, const text_place& place, int style = 0);
    int IsHit(int px, int py) const;
    // Lines broken to fit between the margins, one spacing apart from the place's y; returns the
    // y one spacing under the last line.
    int DrawParagraph(const char* text, int spacing, const text_place& place, int style = 0);
};

// The game's two fonts; defined in app/globals.cpp with the other global objects, in their one
// construction order.
extern font SmallFont;
extern font BigFont;

// Decimal text of value in one shared buffer; the next call overwrites it.
char* int_to_text(int value);
