// Starting a game: the "Continue game?" prompt, the new game record and the fade to the board.
#include "fx/fade.h"
#include "game/game_state.h"
#include "game/level.h"
#include "game/pictures.h"
#include "game/save.h"
#include "game/states.h"
#include "game/transition.h"
#include "platform/input.h"
#include "res/audio.h"
#include "screens/screens.h"
#include "text/font.h"
#include "video/sprite.h"
#include "video/units.h"
#include "video/video.h"

static void answer(int continue_saved) {
    play_sound(ButtonSound, 0);
    Game.ContinueFlag = continue_saved;
    enter_state(states::init_gra, phases::init);
}

static void continue_prompt() {
    IntroPicture.Blit(0, 0);
    draw_best_score();
    BigFont.DrawText("Continue game?", text_centred(95));
    SmallFont.DrawParagraph("Would you like to continue  your saved game?", scaled(20),
                            text_centred(127), 1);
    SmallFont.DrawText("/", text_at(117, 180), 1);
    SmallFont.DrawText("Yes", text_at(87, 180), 1);
    int key = key_this_frame(InputState);
    if (SmallFont.IsHit(InputState.clickX, InputState.clickY) || key == 'y')
        answer(1);
    SmallFont.DrawText("No", text_at(130, 180), 1);
    if (SmallFont.IsHit(InputState.clickX, InputState.clickY) || key == 'n')
        answer(0);
    flip_screen();
}

void state_init_gra() {
    if (GameSubState == phases::pre_init) {
        continue_prompt();
    } else if (GameSubState == phases::init) {
        Game.Level = 1;
        Game.Score = 0;
        for (int32_t& used : Game.PictureUsed)
            used = 0;
        if (Game.ContinueFlag == 0)
            choose_game_pictures();
        begin_picture_transition();
        GameBackground.Blit(0, 0);
        end_picture_transition();
    } else if (GameSubState == phases::przejscie_obrazek) {
        Fade.maluj();
        flip_screen();
        if (Fade.done == 1)
            setup_level();
    }
}
