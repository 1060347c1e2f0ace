// Level set-up: shuffle, picture choice, the saved game and the fade onto the board.
#include "game/level.h"

#include <cstdlib>
#include <string>

#include "platform/random.h"
#include "fx/effects.h"
#include "game/game_state.h"
#include "game/level_stats.h"
#include "game/pictures.h"
#include "game/save.h"
#include "game/states.h"
#include "game/transition.h"
#include "game/twins.h"
#include "res/media_folder.h"
#include "text/font.h"
#include "video/board_geometry.h"
#include "video/sprite.h"
#include "video/units.h"

bool picture_tile_prints(const sprite& picture, int tile_px, tile_prints* out) {
    bool ok = false;
    read_sprite_pixels(picture,
                       [&](const picture_pixels& p) { ok = tile_prints_of(p, tile_px, out); });
    return ok;
}

// Which tiles of the picture just loaded look the same, for the right-tap decision.
static void find_level_twins() {
    static tile_prints prints;
    if (picture_tile_prints(LevelPicture, cell_size(), &prints))
        find_twins(prints, Game.TileTwins);
    else
        for (std::uint32_t& t : Game.TileTwins)
            t = 0;
}

void setup_level() {
    Game.WaitFrames = 0;
    Game.TimeLeft = SecondsPerLevel;
    Game.TimeFrames = 0;
    Game.RocketMode = 0;

    for (int i = 0; i < Cells; i++) {
        Game.Board[i] = 0;
        Game.ShuffleUsed[i] = 0;
    }

    for (int i = 0; i < Cells; i++) {
        int r;
        do
            r = game_rand() % Cells;
        while (Game.ShuffleUsed[r] != 0);
        Game.ShuffleUsed[r] = 1;
        Game.TileList[i] = r;
    }
    Game.TileCurrent = 0;
    Game.TileLast = LastCell;

    // A continued game whose flags were all set would leave no picture to draw: start the set
    // of pictures over rather than search forever.
    bool any_free = false;
    for (int i = 0; i < Levels; i++)
        any_free = any_free || Game.PictureUsed[i] == 0;
    if (!any_free)
        for (int i = 0; i < Levels; i++)
            Game.PictureUsed[i] = 0;
    int r;
    do
        r = game_rand() % Levels;
    while (Game.PictureUsed[r] != 0);
    Game.PictureUsed[r] = 1;
    Game.PictureNumber = r;

    if (Game.ContinueFlag)
        load_game();
    stats_level_begins();

    Game.HintActive = 0;
    hint_marker.Update(1);
    clear_explosions();

    load_level_picture();
    LevelPicture.frame_w = static_cast<float>(cell_size());
    LevelPicture.frame_h = static_cast<float>(cell_size());
    find_level_twins();

    enter_screen(states::gra);

    GameBackground.Blit(0, 0);
    begin_picture_transition();

    LevelPicture.Blit(board_edge_f(), board_edge_f());
    end_picture_transition();
}
