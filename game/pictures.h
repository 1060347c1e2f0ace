// The pictures a game is played on: each of its 20 picture numbers shows a built-in picture or,
// in its place, one of the player's own.
#pragma once

#include <string>

#include "game/game_state.h" // Levels

// The player's picture in one picture number's place for this game; an empty hash leaves the
// built-in picture. Defined in app/globals.cpp with the other global objects.
struct game_picture {
    std::string hash; // the content name of the player's picture
    std::string name; // its file's name in the player's folder when the game began
};
extern game_picture GamePictures[Levels];

// The menu's switch: whether a new game takes the player's pictures; and how many there are.
extern bool UsePlayerPictures;
extern int PlayerPictureCount;
// Looks at the player's folder again (names only).
void count_player_pictures();
// The menu's line about them: "Pictures: yours (12) + built-in", or empty with none.
std::string pictures_line();

// A new game: with the switch on, the player's pictures (twenty chosen at random among more)
// take the first picture numbers and the built-in pictures keep the rest; else all built-in.
void choose_game_pictures();
bool game_has_player_pictures();

// LevelPicture for PictureNumber. A player's picture that cannot be shown any more (its file and
// its ready copy gone or changed) gives the built-in picture of that number, with one line.
void load_level_picture();

// The saved game's pictures as the text of the file beside cont.tll; `game` names the game they
// belong to (its numbers), so that a file left from another game is never applied.
std::string game_pictures_text(const std::string& game);
// Takes the pictures from such a text when it belongs to `game`; else every picture is built-in.
// False when the text was not taken.
bool read_game_pictures(const std::string& text, const std::string& game);
