// Level set-up: shuffle, picture choice, the saved game and the fade onto the board.
#include "game/level.h"

#include <cstdlib>
#include <string>

#include <SDL.h>

#include "app/globals.h"
#include "app/startup.h"
#include "app/state.h"
#include "fx/effects.h"
#include "fx/fade.h"
#include "game/game_state.h"
#include "game/save.h"
#include "game/twins.h"
#include "video/video.h"

bool picture_tile_prints(SDL_Surface* picture, int tile_px, tile_prints* out) {
    if (!picture || SDL_LockSurface(picture) != 0)
        return false;
    picture_pixels p;
    p.data = static_cast<const std::uint8_t*>(picture->pixels);
    p.w = picture->w;
    p.h = picture->h;
    p.pitch = picture->pitch;
    p.bytes_per_pixel = picture->format->BytesPerPixel;
    p.masks[0] = picture->format->Rmask;
    p.masks[1] = picture->format->Gmask;
    p.masks[2] = picture->format->Bmask;
    // A palette picture has no masks to read; no level picture is one, so it simply has no twins.
    bool ok = !picture->format->palette && tile_prints_of(p, tile_px, out);
    SDL_UnlockSurface(picture);
    return ok;
}

// Which tiles of the picture just loaded look the same, for the right-tap decision.
static void find_level_twins() {
    static tile_prints prints;
    if (picture_tile_prints(LevelPicture.surface, 45 * Scale, &prints))
        find_twins(prints, TileTwins);
    else
        for (std::uint32_t& t : TileTwins)
            t = 0;
}

void setup_level() {
    WaitFrames = 0;
    TimeLeft = 230;
    TimeFrames = 0;
    RocketMode = 0;

    for (int i = 0; i < 25; i++) {
        Board[i] = 0;
        ShuffleUsed[i] = 0;
    }

    for (int i = 0; i < 25; i++) {
        int r;
        do
            r = rand() % 25;
        while (ShuffleUsed[r] != 0);
        ShuffleUsed[r] = 1;
        TileList[i] = r;
    }
    TileCurrent = 0;
    TileLast = 24;

    // A continued game whose flags were all set would leave no picture to draw: start the set
    // of pictures over rather than search forever.
    bool any_free = false;
    for (int i = 0; i < 20; i++)
        any_free = any_free || PictureUsed[i] == 0;
    if (!any_free)
        for (int i = 0; i < 20; i++)
            PictureUsed[i] = 0;
    int r;
    do
        r = rand() % 20;
    while (PictureUsed[r] != 0);
    PictureUsed[r] = 1;
    PictureNumber = r;

    if (ContinueFlag)
        load_game();

    HintActive = 0;
    hint_marker.Update(1);
    clear_explosions();

    std::string name = std::string(int_to_text(PictureNumber + 1)) + ".jpg";
    LevelPicture.Load(MediaFolder, name.c_str(), 0);
    LevelPicture.frame_w = static_cast<float>(45 * Scale);
    LevelPicture.frame_h = static_cast<float>(45 * Scale);
    find_level_twins();

    GameState = "gra";

    GameBackground.Blit();
    screen_screen2(0);

    LevelPicture.x = 7.5f * static_cast<float>(Scale);
    LevelPicture.y = 7.5f * static_cast<float>(Scale);
    LevelPicture.Blit();
    screen_screen2(1);
    screen2_screen(0);

    Fade.Start(1, FramesPerSecond);
    GameSubState = "przejscie obrazek";
}
