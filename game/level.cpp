// Level set-up: shuffle, picture choice, the saved game and the fade onto the board.
#include "game/level.h"

#include <cstdlib>
#include <string>

#include "platform/random.h"
#include "app/globals.h"
#include "app/startup.h"
#include "app/state.h"
#include "fx/effects.h"
#include "fx/fade.h"
#include "game/game_state.h"
#include "game/save.h"
#include "video/video.h"

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
            r = game_rand() % 25;
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
        r = game_rand() % 20;
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
