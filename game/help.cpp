// "How to play": the rules and the keys on one page, shown over the level, the menu or the splash.
#include "game/help.h"

#include "text/font.h"
#include "video/sprite.h"
#include "video/units.h"
#include "video/video.h"

namespace {

const char* const Rules[] = {
    "Look at the picture for five seconds, then build it again: tap the cell where the offered "
    "tile belongs.",
    "A right tap: +5. A wrong tap launches two rockets that knock placed tiles out: -5 each.",
    "The hint (left button) costs 10 points and 7 seconds. The menu button (right) saves.",
    "A finished picture adds the seconds left to the score.",
};
const char* const Keys[] = {
    "P, Pause, Escape: pause   M: menu",    "Left, Right: other tile   H: hint",
    "S: sound on or off   F1: this page",   "F11, Alt+Enter: full screen",
    "P on the menu: your pictures or ours",
};

} // namespace

void draw_help_page() {
    // The menu's picture at the top, the words on a dark page under it.
    float x = IntroPicture.x, y = IntroPicture.y;
    IntroPicture.x = IntroPicture.y = 0.0f;
    IntroPicture.BlitPart(0, 0, 240 * Scale, 30 * Scale);
    IntroPicture.x = x;
    IntroPicture.y = y;
    fill_screen_rect(0, 30 * Scale, 240 * Scale, 290 * Scale, map_rgb(24, 18, 48));
    BigFont.y = static_cast<float>(4 * Scale);
    BigFont.DrawText("How to play", 1, 0, 0);
    const int line = 14 * Scale;
    SmallFont.style = 1;
    SmallFont.y = static_cast<float>(40 * Scale);
    for (const char* rule : Rules) {
        SmallFont.DrawParagraph(rule, line, 1, 8 * Scale, 232 * Scale);
        SmallFont.y += static_cast<float>(5 * Scale);
    }
    SmallFont.style = 0;
    SmallFont.y += static_cast<float>(3 * Scale);
    for (const char* keys : Keys) {
        SmallFont.DrawText(keys, 1, 0, 0);
        SmallFont.y += static_cast<float>(line);
    }
    SmallFont.style = 1;
    SmallFont.y = static_cast<float>(304 * Scale);
    SmallFont.DrawText("Tap or press a key to go back.", 1, 0, 0);
    SmallFont.style = 0;
}
