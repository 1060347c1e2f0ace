// The main menu: "Start Game", "Exit Game" and the best score over the intro picture.
#include "fx/fade.h"
#include "game/game_state.h"
#include "game/help.h"
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

void state_init_intro() {
    count_player_pictures(); // the player may have added some since
    enter_screen(states::intro);
    begin_picture_transition();
    IntroPicture.Blit(0, 0);
    end_picture_transition();
}

void state_intro() {
    Fade.maluj();
    if (GameSubState == phases::przejscie_obrazek) {
        if (Fade.done == 1)
            enter_phase(phases::intro);
        draw_save_notice();
        flip_screen();
        return;
    }
    if (GameSubState == phases::intro) {
        static bool help = false;
        int pressed = key_this_frame(InputState);
        if (help || pressed == KEY_HELP) {
            // The help page stays until a key or a tap, which does nothing else.
            if (help && (pressed != 0 || InputState.stylusDown == 1)) {
                help = false;
                input_clear_stylus(InputState);
                InputState.keyPressed = 0;
            } else {
                help = true;
                draw_help_page();
                flip_screen();
                return;
            }
        }
        if (pressed == 's')
            toggle_sound();
        IntroPicture.Blit(0, 0);
        BigFont.DrawText("Start Game", text_centred(120));
        int key = key_this_frame(InputState);
        if (BigFont.IsHit(InputState.clickX, InputState.clickY) || key == KEY_ACTION) {
            play_sound(ButtonSound, 0);
            if (saved_game_exists()) {
                enter_state(states::init_gra, phases::pre_init);
            } else {
                Game.ContinueFlag = 0;
                enter_state(states::init_gra, phases::init);
            }
        }
        BigFont.DrawText("Exit Game", text_centred(160));
        if (BigFont.IsHit(InputState.clickX, InputState.clickY) || key == KEY_ESCAPE || key == 'q')
            GameRunning = 0;
        // With pictures of the player's own, which pictures a new game takes: a tap or P switches.
        std::string pictures = pictures_line();
        if (!pictures.empty()) {
            SmallFont.DrawText(pictures.c_str(), text_centred(194), 1);
            if (SmallFont.IsHit(InputState.clickX, InputState.clickY) || key == 'p') {
                play_sound(ButtonSound, 0);
                UsePlayerPictures = !UsePlayerPictures;
                input_clear_stylus(InputState);
            }
        }
        draw_best_score();
        draw_save_notice();
        flip_screen();
        return;
    }
    flip_screen();
}
