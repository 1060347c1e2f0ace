// The font metrics file beside each glyph sheet: its layout, its one reader and its writer, shared
// by the game and the media builder.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "text/metrics_layout.h"

// Glyph numbers are bytes: glyphs past the 255th are read past but not kept.
constexpr int MetricsKeptGlyphs = 255;

struct metrics_glyph {
    unsigned char character;
    int x, y, w, h;
};

// The glyphs of a metrics file in their order, at most MetricsKeptGlyphs of them; false when the
// file ends before its last glyph or holds a number no picture can (rectangles lie within
// 0..32767). A count of 0 or less is a file of no glyphs.
bool read_metrics(std::FILE* f, std::vector<metrics_glyph>& glyphs);
// The same from text in memory.
bool read_metrics_text(const std::string& text, std::vector<metrics_glyph>& glyphs);

// The file's text for the glyphs and their advances (one per glyph).
std::string metrics_text(const std::vector<metrics_glyph>& glyphs,
                         const std::vector<int>& advances);
