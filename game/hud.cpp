// The head-up display under the board: the time bar, the level and the score.
#include "game/hud.h"

#include "game/game_state.h"
#include "game/layout.h"
#include "text/font.h"
#include "video/sprite.h"
#include "video/units.h"

void draw_hud() {
    if (TimeLeft > 0) {
        // One layout unit of the bar for each second left.
        pixel_rect bar = scaled(TimeBarPlace);
        TimeBarPicture.BlitPart(0, 0, scaled(TimeLeft), static_cast<int>(bar.h), bar.x, bar.y);
    }
    SmallFont.DrawText("Level:", text_at(LevelLabelLeft, HudTextTop));
    SmallFont.DrawText("Score:", text_at(ScoreLabelLeft, HudTextTop));
    SmallFont.DrawText(int_to_text(Level), text_right_in(LevelNumberBox));
    SmallFont.DrawText(int_to_text(Score), text_right_in(ScoreNumberBox));
}
