// The head-up display under the board: the time bar, the level and the score.
#include "game/hud.h"

#include "game/game_state.h"
#include "text/font.h"
#include "video/sprite.h"
#include "video/units.h"

void draw_hud() {
    if (Game.TimeLeft > 0) {
        TimeBarPicture.x = static_cast<float>(5 * Scale);
        TimeBarPicture.y = static_cast<float>(315 * Scale);
        TimeBarPicture.BlitPart(0, 0, Game.TimeLeft * Scale, 5 * Scale);
    }
    SmallFont.style = 0;
    SmallFont.x = static_cast<float>(12 * Scale);
    SmallFont.y = static_cast<float>(296 * Scale);
    SmallFont.DrawText("Level:", 0, 0, 0);
    SmallFont.x = static_cast<float>(140 * Scale);
    SmallFont.DrawText("Score:", 0, 0, 0);
    SmallFont.DrawText(int_to_text(Game.Level), 2, 50 * Scale, 72 * Scale);
    SmallFont.DrawText(int_to_text(Game.Score), 2, 180 * Scale, 230 * Scale);
}
