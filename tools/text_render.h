// Text for the media builder: glyph sheets with their metrics files, and titles drawn on canvases.
#pragma once

#include <string>

#include "tools/canvas.h"
#include "tools/image_io.h"

extern const char* const kSansBold;          // the UI face
extern const char* const kSansCondensedBold; // the small game font
extern const char* const kSerifBold;         // the title face

// One look of a glyph set: a fill running from top to bottom colour, an outline and a shadow below.
struct glyph_look {
    color top, bottom, outline, shadow;
};

struct font_recipe {
    const char* face;
    int line_height; // pixels; also the distance between two looks in the sheet
    int outline;     // pixels
    int shadow;      // pixels straight down
    int space_width; // pixels, as the game advances over a space
    // Largest text that must fit a width: the size is lowered until it does.
    const char* widest_text;
    int widest_width;
    const char* second_text;
    int second_width;
};

struct glyph_sheet {
    indexed_image image;
    std::string metrics; // the metrics file's text
    int pixel_size = 0;
};

// Every printable ASCII character except the space, one row, one copy per look stacked by
// line_height; palette index 0 (the top-left pixel) is the see-through key.
glyph_sheet build_glyph_sheet(const font_recipe& recipe, const std::vector<glyph_look>& looks);

// The two game fonts at a Scale.
glyph_sheet build_small_font(int scale);
glyph_sheet build_big_font(int scale);

// The characters every sheet holds, in glyph order.
std::string sheet_characters();

// Width in pixels the game's measuring would give a text with this sheet (space = space_width).
int sheet_text_width(const glyph_sheet& sheet, const std::string& text, int space_width);

struct title_style {
    const char* face;
    float size; // pixel size in layout units
    color top, bottom, outline;
    float outline_width; // layout units
    float shadow;        // layout units, 0 for none
    float shadow_alpha;
};

// The width a title takes in layout units, its outline included.
float title_width(const std::string& text, const title_style& style, float unit);

// Draws one line of text with its centre at layout x = cx and its baseline at layout y.
void draw_title(canvas& c, const std::string& text, const title_style& style, float cx,
                float baseline);
