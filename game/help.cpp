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
    IntroPicture.BlitPart(0, 0, scaled(240), scaled(30), 0, 0);
    fill_screen_rect(0, scaled(30), scaled(240), scaled(290), map_rgb(24, 18, 48));
    BigFont.DrawText("How to play", text_centred(4));
    const int line = scaled(14);
    // The rules, each a paragraph between margins; the key lines follow them down the page.
    text_place rules = text_centred(40, 8, 232);
    for (const char* rule : Rules)
        rules.y = SmallFont.DrawParagraph(rule, line, rules, 1) + scaled(5);
    text_place keys = text_centred(0);
    keys.y = rules.y + scaled(3);
    for (const char* key_line : Keys) {
        SmallFont.DrawText(key_line, keys);
        keys.y += line;
    }
    SmallFont.DrawText("Tap or press a key to go back.", text_centred(304), 1);
}
