// The game's pictures: the twenty level scenes, the screens' backgrounds and the small sprites.
#pragma once

#include <string>

#include "tools/canvas.h"
#include "tools/image_io.h"

constexpr int kLevelCount = 20;

// Level picture number 1..20, 225 x 225 layout units at unit = Scale.
canvas draw_level(int number, int scale);
// A few words saying what a level picture shows (for the contact sheet and the notes).
const char* level_title(int number);

canvas draw_splash(int scale);   // "donate.jpg"
canvas draw_loading(int scale);  // "loading.jpg"
canvas draw_intro(int scale);    // "intro.jpg"
canvas draw_board(int scale);    // "gra.jpg"
canvas draw_goodwork(int scale); // "goodwork.jpg"
canvas draw_timebar(int scale);  // "czas.jpg"

indexed_image draw_spark(int scale, bool trail); // "part.bmp" (explosions), "part2.bmp" (trails)
indexed_image draw_rockets(int scale, bool vertical); // "rakieta1.bmp", "rakieta2.bmp"

rgb_image to_image(const canvas& c);
