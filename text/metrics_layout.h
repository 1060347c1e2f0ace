// The layout of a font's metrics file, shared by the game's reader and the media builder's writer.
#pragma once

#include <cstddef>

// Four labelled sections: the glyph count, each glyph's character and a space, each advance and a
// space, and each glyph's rectangle (x y w h) on a line of its own. The reader skips each label by
// its length, so the labels are the layout.
namespace metrics_layout {
inline constexpr char count[] = "glyph_count: ";
inline constexpr char characters[] = "\nglyph_characters:";
inline constexpr char advances[] = "\nglyph_advances_px:";
inline constexpr char rectangles[] = "\nglyph_rectangles:";

template <std::size_t N> constexpr int length(const char (&)[N]) {
    return static_cast<int>(N - 1);
}
} // namespace metrics_layout
