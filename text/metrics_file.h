// The font metrics file beside each glyph sheet: its layout, its one reader and its writer, shared
// by the game and the media builder.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// Four labelled sections, each label read past by its length: the glyph count; the characters,
// each followed by a space; an advance per glyph (written for people, the game measures by the
// rectangles); one rectangle per glyph, "x y w h" on a line of its own.
namespace metrics_layout {
inline constexpr char count[] = "glyph_count: ";
inline constexpr char characters[] = "\nglyph_characters:";
inline constexpr char advances[] = "\nglyph_advances_px:";
inline constexpr char rectangles[] = "\nglyph_rectangles:";
// Glyph numbers are bytes: glyphs past the 255th are read past but not kept.
constexpr int kept_glyphs = 255;
} // namespace metrics_layout

struct metrics_glyph {
    unsigned char character;
    int x, y, w, h;
};

// The glyphs of a metrics file in their order, at most kept_glyphs of them; false when the file
// ends before its last glyph or holds a number no picture can (rectangles lie within 0..32767).
// A count of 0 or less is a file of no glyphs.
bool read_metrics(std::FILE* f, std::vector<metrics_glyph>& glyphs);
// The same from text in memory.
bool read_metrics_text(const std::string& text, std::vector<metrics_glyph>& glyphs);

// The file's text for the glyphs and their advances (one per glyph).
std::string metrics_text(const std::vector<metrics_glyph>& glyphs,
                         const std::vector<int>& advances);
