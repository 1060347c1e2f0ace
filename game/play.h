// The game-play screen: picture preview, play frame, head-up display and the level-complete wait.
#pragma once

#include <cstdint>

struct rule_events;

// Where the two rockets of a miss are (screen pixels): the rules know only the cells under them.
// The trails of sparks follow them.
struct rocket_position {
    int32_t x, y;
};
extern rocket_position Rockets[2];

void game_frame();
// Turns what a move of the rules did into sounds, sparks and screen changes, in its order.
void show_rule_events(const rule_events& events);
// Puts the trails of sparks where the rockets are.
void follow_rockets();
// The effects over the board, each frame of play: the rocket trails, the hint marker while it is
// shown, the explosions. Their sparks draw random numbers in this order.
void draw_effects();
// Asked to end (window closed, quit request, a signal) while a level is in progress, from the
// five-second look to the last tile: saves as the menu button does, so nothing is lost. Once the
// level is won and waits for the tap to the next one there is nothing in progress to save.
void save_level_in_progress();
