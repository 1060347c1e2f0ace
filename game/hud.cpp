// The head-up display under the board: the time bar, the level and the score.
#include "game/hud.h"

#include "game/game_state.h"
#include "game/layout.h"
#include "text/font.h"
#include "video/sprite.h"
#include "video/units.h"

void draw_hud() {
    if (Game.TimeLeft > 0) {
        // One layout unit of the bar for each second left.
        pixel_rect bar = scaled(TimeBarPlace);
        TimeBarPicture.BlitPart(0, 0, scaled(Game.TimeLeft), static_cast<int>(bar.h), bar.x, bar.y);
    }
    SmallFont.DrawText("Level:", text_at(LevelLabelLeft, HudTextTop));
    SmallFont.DrawText("Score:", text_at(ScoreLabelLeft, HudTextTop));
    SmallFont.DrawText(int_to_text(Game.Level), text_right_in(LevelNumberBox));
    SmallFont.DrawText(int_to_text(Game.Score), text_right_in(ScoreNumberBox));
}
