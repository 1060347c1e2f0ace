// PLACEHOLDER screens until the real ones land: each only flips.
#include "screens/screens.h"
#include "app/state.h"
#include "video/video.h"
unsigned int LoadingHoldMs = 3000;
void loading_screen() {}
void state_init_intro() { GameState = "intro"; GameSubState = "intro"; }
void state_intro() { flip_screen(); }
void state_init_gra() { flip_screen(); }
void state_init_game_over() { flip_screen(); }
void state_init_koniec_gry() { flip_screen(); }
