// The two end screens, "Game Over" and "Good work": score, save, a pause, then the menu.
#include "fx/fade.h"
#include "game/game_state.h"
#include "game/save.h"
#include "game/states.h"
#include "game/transition.h"
#include "screens/screens.h"
#include "text/font.h"
#include "video/sprite.h"
#include "video/units.h"
#include "video/video.h"

static void end_screen(const char* title, int pause_seconds) {
    if (GameSubState == phases::init) {
        begin_picture_transition();
        IntroPicture.Blit(0, 0);
        BigFont.DrawText(title, text_centred(135));
        draw_your_score();
        end_picture_transition();
        // The finished game is closed: the file keeps the best score and nothing to continue.
        Game.TimeLeft = 0;
        update_best_score();
        save_game();
    } else if (GameSubState == phases::przejscie_obrazek) {
        Fade.maluj();
        flip_screen();
        if (Fade.done == 1) {
            Game.WaitFrames = 0;
            enter_phase(phases::pauza);
        }
    } else if (GameSubState == phases::pauza) {
        Game.WaitFrames = Game.WaitFrames + 1;
        if (Game.WaitFrames > pause_seconds * FramesPerSecond)
            enter_phase(phases::przejscie_obrazek2);
    } else if (GameSubState == phases::przejscie_obrazek2) {
        Fade.maluj();
        flip_screen();
        if (Fade.done == 1)
            state_init_intro();
    }
}

void state_init_game_over() {
    end_screen("Game Over", 3);
}

void state_init_koniec_gry() {
    end_screen("Good work", 4);
}
