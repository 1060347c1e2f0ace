// The game's random generator: the same sequence on every platform, glibc's rand()/srand() one.
#pragma once

// Largest value game_rand() returns (glibc's RAND_MAX).
constexpr int GAME_RAND_MAX = 2147483647;

// Starts the sequence again from a seed, as glibc's srand() does (seed 0 counts as 1).
void game_srand(unsigned seed);

// The next number, 0..GAME_RAND_MAX. Before any seeding the sequence is seed 1's.
int game_rand();

// The seed start-up gives the generator: the clock's ticks, unless a recording fixes it.
extern unsigned int (*startup_seed)();
