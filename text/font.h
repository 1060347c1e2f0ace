// Bitmap fonts: glyph sheet plus metrics, measuring, four alignments, text buttons and paragraphs.
#pragma once

#include "video/sprite.h"

struct glyph_rect {
    int x, y, w, h;
};

struct text_box_rect {
    float x, y, w, h;
};

class font : public sprite {
  public:
    text_box_rect text_box = {0.0f, 0.0f, 0.0f, 0.0f};
    int glyph_count = 0;
    unsigned char glyph_of[256] = {};
    glyph_rect glyphs[255] = {};
    int line_height = 0;
    int space_width = 0;
    int style = 0;

    void LoadMetrics(const char* folder, const char* name, int space_width, int line_height);
    int TextWidth(const char* text);
    // mode 0 left at x, 1 centred, 2 right-aligned, 3 justified between left and right.
    void DrawText(const char* text, int mode, int left, int right);
    int IsHit(int px, int py);
    void DrawParagraph(const char* text, int spacing, int mode, int left, int right);
};

// The game's two fonts; defined in app/globals.cpp with the other global objects, in their one
// construction order.
extern font SmallFont;
extern font BigFont;

// Decimal text of value in one shared buffer; the next call overwrites it.
char* int_to_text(int value);
