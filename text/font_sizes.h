// The game's two fonts in layout units, as the game lays text out with them and the media builder
// draws their sheets: the advance over a space and the height of a line (of one look).
#pragma once

struct font_size {
    int space_width;
    int line_height;
};

constexpr font_size SmallFontSize{4, 16};
constexpr font_size BigFontSize{12, 27};
