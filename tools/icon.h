// The game's icon: one drawing at any size, written as the menu's PNGs and the window's BMP.
#pragma once

#include <string>

#include "tools/image_io.h"

// The sizes a desktop's icon theme (hicolor) gets, in pixels.
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

// The icon at size x size pixels: 4 bytes a pixel (RGB and coverage), row by row.
bytes_t draw_icon(int size);
// A PNG with transparency, as desktop menus take it.
bytes_t icon_png(int size);
// For an installed page: the icon on a square its colours fill, safe inside any mask's circle,
// and a white silhouette of its tiles for a system that tints icons itself.
bytes_t maskable_icon_png(int size);
bytes_t monochrome_icon_png(int size);
// "icon.bmp" of the media folder: 64 x 64, 24-bit, with magenta (255, 0, 255) wherever the icon
// is less than half covered, the colour key the window icon is loaded with.
bytes_t icon_bmp();
// Writes FOLDER/<size>x<size>/apps/tessoli.png for every theme size (a hicolor tree to install),
// each file only when its bytes changed.
bool write_icon_theme(const std::string& folder, std::string* error);
