// The screens around the game: loading and the sound question, menu, continue prompt, end screens.
#pragma once

void loading_screen();
void state_init_intro();
void state_intro();
void state_init_gra();
void state_init_game_over();
void state_init_koniec_gry();

// The loading picture is held this long after the last asset (tests and timedemos shorten it).
extern unsigned int LoadingHoldMs;
// How the loading waits rest between polls (tests and timedemos make it free).
extern void (*loading_rest)(unsigned int ms);
// Marks for timing the start: 0 the splash is shown, 1 the assets start loading, 2 they are loaded.
extern void (*loading_milestone)(int which);
