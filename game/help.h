// "How to play": the rules and the keys on one page, shown over the level, the menu or the splash.
#pragma once

// The key that shows the page (F1, by its SDL key symbol).
constexpr int KEY_HELP = 282;

// Draws the page over the whole screen (the caller flips). The fonts are those of the menu.
void draw_help_page();
