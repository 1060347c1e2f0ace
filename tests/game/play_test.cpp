// Level set-up and the game-play screen driven frame by frame with real SDL events.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "app/globals.h"
#include "app/input.h"
#include "app/startup.h"
#include "app/state.h"
#include "fx/effects.h"
#include "game/game_state.h"
#include "game/level.h"
#include "game/play.h"
#include "game/save.h"
#include "res/audio.h"
#include "tests/support/test_support.h"
#include "video/video.h"

namespace {

const int kBackground[3] = {0, 64, 0};

SDL_Surface* solid(int w, int h, int r, int g, int b) {
    SDL_Surface* made = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xff0000, 0xff00, 0xff, 0);
    SDL_FillRect(made, nullptr, SDL_MapRGB(made->format, r, g, b));
    return made;
}

void give(sprite& s, SDL_Surface* made, float frame_w = 0, float frame_h = 0) {
    if (s.surface)
        SDL_FreeSurface(s.surface);
    s.surface = SDL_DisplayFormat(made);
    SDL_FreeSurface(made);
    s.w = s.surface->w;
    s.h = s.surface->h;
    s.frame_w = frame_w > 0 ? frame_w : s.w;
    s.frame_h = frame_h > 0 ? frame_h : s.h;
}

void take(sprite& s) {
    if (s.surface)
        SDL_FreeSurface(s.surface);
    s.surface = nullptr;
}

// Level picture n: each 45 x 45 cell in its own colour, red telling the picture, green the cell.
int picture_red(int n) {
    return 8 * n;
}
int cell_green(int cell) {
    return 8 * cell;
}

void write_pictures(const temp_dir& dir) {
    for (int n = 1; n <= 20; n++) {
        SDL_Surface* p = solid(225, 225, 0, 0, 0);
        for (int cell = 0; cell < 25; cell++)
            fill_rect(p, 45 * (cell % 5), 45 * (cell / 5), 45, 45, picture_red(n), cell_green(cell),
                      64);
        // A loose "picture.jpg" may hold any format the loader recognises.
        SDL_SaveBMP(p, dir.file(std::to_string(n) + ".jpg").c_str());
        SDL_FreeSurface(p);
    }
}

bool near(rgb got, int r, int g, int b) {
    return std::abs(got.r - r) <= 4 && std::abs(got.g - g) <= 4 && std::abs(got.b - b) <= 4;
}
bool background_at(int x, int y) {
    return near(pixel_at(screen, x, y), kBackground[0], kBackground[1], kBackground[2]);
}
bool white_at(int x, int y) {
    return near(pixel_at(screen, x, y), 248, 248, 248);
}
bool tile_at(int x, int y, int picture, int cell) {
    return near(pixel_at(screen, x, y), picture_red(picture), cell_green(cell), 64);
}
// The middle of a cell on the screen at Scale 1.
int mid(int n) {
    return 7 + 45 * n + 22;
}

void push_button(Uint8 type, int x, int y) {
    SDL_Event e;
    std::memset(&e, 0, sizeof e);
    e.type = type;
    e.button.type = type;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    SDL_PushEvent(&e);
}

void frame() {
    input_poll(InputState);
    game_frame();
}

// The stylus goes down on (x, y) for one frame of the game, then comes up again.
void tap(int x, int y) {
    push_button(SDL_MOUSEBUTTONDOWN, x, y);
    frame();
    push_button(SDL_MOUSEBUTTONUP, x, y);
    input_poll(InputState);
}

std::vector<std::pair<hssSound*, int>> sounds_played;
void record_sound(hssSound* sound, int channel) {
    sounds_played.push_back({sound, channel});
}

class PlayScreen : public ::testing::Test {
  protected:
    void SetUp() override {
        open_test_screen(240, 320);
        Scale = 1;
        FramesPerSecond = 25;
        MediaPath = dir.path();
        std::strcpy(MediaFolder, dir.path().c_str());
        write_pictures(dir);
        give(GameBackground, solid(240, 320, kBackground[0], kBackground[1], kBackground[2]));
        give(TimeBarPicture, solid(230, 5, 248, 0, 0));
        give(GoodWorkPicture, solid(240, 100, 248, 128, 0));
        SDL_Surface* r1 = solid(24, 8, 0, 0, 248);
        fill_rect(r1, 12, 0, 12, 8, 0, 248, 248);
        give(RocketSprite1, r1, 12, 8);
        SDL_Surface* r2 = solid(16, 12, 248, 0, 248);
        fill_rect(r2, 8, 0, 8, 12, 248, 248, 0);
        give(RocketSprite2, r2, 8, 12);
        take(ParticleSprite);
        take(ParticleSprite2);
        // Every character is a white block 5 wide and 8 high in both looks.
        give(SmallFont, solid(5, 16, 248, 248, 248));
        std::memset(SmallFont.glyph_of, 0, sizeof SmallFont.glyph_of);
        SmallFont.glyphs[0] = {0, 0, 5, 8};
        SmallFont.glyph_count = 1;
        SmallFont.line_height = 8;
        SmallFont.space_width = 4;
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
        }
        input_reset(InputState);
        sounds_played.clear();
        play_sound_observer = record_sound;
        ContinueFlag = 0;
        Level = 1;
        Score = 0;
        std::fill(PictureUsed, PictureUsed + 20, 0);
    }
    void TearDown() override { play_sound_observer = nullptr; }

    // A new level, played through its fades and preview into play.
    void into_play() {
        setup_level();
        for (int i = 0; i < 100 && GameSubState != "start_gry"; i++) {
            if (GameSubState == "5sec")
                tap(120, 120);
            else
                frame();
        }
        ASSERT_EQ(GameSubState, "start_gry");
    }

    // Sets the board and the pile by hand: cells in `placed` are down, the rest offered in order.
    void arrange(const std::vector<int>& placed) {
        int n = 0;
        for (int c = 0; c < 25; c++) {
            Board[c] = std::count(placed.begin(), placed.end(), c) ? 1 : 0;
            if (!Board[c])
                TileList[n++] = c;
        }
        TileLast = n - 1;
        TileCurrent = 0;
    }

    temp_dir dir;
};

} // namespace

TEST_F(PlayScreen, ALevelFadesInIsShownWithItsGridAndFadesToTheBoard) {
    setup_level();
    EXPECT_EQ(GameState, "gra");
    EXPECT_EQ(GameSubState, "przejscie obrazek");
    int picture = PictureNumber + 1;
    EXPECT_EQ(std::count(PictureUsed, PictureUsed + 20, 1), 1);
    std::vector<int> pile(TileList, TileList + 25);
    std::sort(pile.begin(), pile.end());
    for (int c = 0; c < 25; c++)
        EXPECT_EQ(pile[c], c);
    EXPECT_EQ(TileCurrent, 0);
    EXPECT_EQ(TileLast, 24);
    EXPECT_EQ(TimeLeft, 230);

    // A press during the fade neither acts nor is consumed; it ends the preview at once.
    push_button(SDL_MOUSEBUTTONDOWN, 120, 120);
    int frames = 0;
    while (GameSubState == "przejscie obrazek" && frames < 60) {
        frame();
        frames++;
        EXPECT_EQ(InputState.stylusDown, 1);
    }
    ASSERT_EQ(GameSubState, "5sec");
    EXPECT_EQ(frames, 26); // the fade is seen done on its 26th frame
    EXPECT_TRUE(tile_at(30, 30, picture, 0));
    EXPECT_TRUE(tile_at(53, 60, picture, 6));
    EXPECT_TRUE(near(pixel_at(screen, 52, 100), 0, 0, 0)); // grid lines at 52, 97, 142, 187
    EXPECT_TRUE(near(pixel_at(screen, 100, 187), 0, 0, 0));
    EXPECT_TRUE(near(pixel_at(screen, 187, 7), 0, 0, 0));
    EXPECT_TRUE(near(pixel_at(screen, 187, 232), 0, 0, 0));
    EXPECT_FALSE(near(pixel_at(screen, 187, 233), 0, 0, 0));
    EXPECT_TRUE(tile_at(100, 231, picture, 22)); // no frame round the board
    EXPECT_TRUE(tile_at(8, 8, picture, 0));

    frame();
    EXPECT_EQ(GameSubState, "przejscie obrazek2");
    push_button(SDL_MOUSEBUTTONUP, 120, 120);
    for (int i = 0; i < 25; i++)
        frame();
    EXPECT_EQ(GameSubState, "przejscie obrazek2");
    frame();
    EXPECT_EQ(GameSubState, "start_gry");
    EXPECT_EQ(TimeLeft, 230); // the preview costs no time
    EXPECT_TRUE(background_at(30, 30));
}

TEST_F(PlayScreen, WithoutAPressThePreviewLastsFiveSeconds) {
    setup_level();
    while (GameSubState == "przejscie obrazek")
        frame();
    for (int i = 0; i < 125; i++)
        frame();
    EXPECT_EQ(GameSubState, "5sec");
    frame();
    EXPECT_EQ(GameSubState, "przejscie obrazek2");
}

TEST_F(PlayScreen, PlayFrameDrawsOfferedAndPlacedTiles) {
    into_play();
    int picture = PictureNumber + 1;
    arrange({0, 7, 24});
    frame();
    // Offered: cell 1, at (97, 245).
    EXPECT_TRUE(tile_at(97, 245, picture, 1));
    EXPECT_TRUE(tile_at(141, 289, picture, 1));
    EXPECT_TRUE(background_at(96, 245));
    EXPECT_TRUE(background_at(142, 289));
    EXPECT_TRUE(tile_at(mid(0), mid(0), picture, 0));
    EXPECT_TRUE(tile_at(mid(2), mid(1), picture, 7));
    EXPECT_TRUE(tile_at(231, 231, picture, 24));
    EXPECT_TRUE(background_at(mid(1), mid(0)));

    tap(165, 270); // next tile
    EXPECT_EQ(TileCurrent, 1);
    EXPECT_TRUE(tile_at(120, 260, picture, 2));
    tap(72, 270); // previous tile
    tap(72, 270); // and round to the last one
    EXPECT_EQ(TileCurrent, TileLast);
    EXPECT_TRUE(tile_at(120, 260, picture, 23));
    ASSERT_EQ(sounds_played.size(), 3u);
    EXPECT_EQ(sounds_played[2].first, &Button2Sound);
    EXPECT_EQ(sounds_played[2].second, 3);

    tap(mid(3), mid(4)); // cell 23, the offered one
    EXPECT_EQ(Board[23], 1);
    EXPECT_EQ(Score, 5);
    EXPECT_TRUE(tile_at(mid(3), mid(4), picture, 23));
    EXPECT_TRUE(tile_at(120, 260, picture, 22));

    // A tap on nothing changes nothing and is consumed.
    tap(236, 250);
    EXPECT_EQ(InputState.stylusDown, 0);
    EXPECT_EQ(TileCurrent, TileLast);
}

TEST_F(PlayScreen, HudNumbersEndAtTheirRightEdges) {
    into_play();
    Level = 7;
    Score = -15;
    TimeLeft = 100;
    frame();
    // "Level:" from x 12: six 5-wide blocks one pixel apart.
    EXPECT_TRUE(white_at(12, 296));
    EXPECT_TRUE(white_at(46, 303));
    EXPECT_TRUE(background_at(47, 296));
    EXPECT_TRUE(white_at(140, 296));
    // "7" ends at x 72 (its last pixel at 70, then the one-pixel gap).
    EXPECT_TRUE(background_at(65, 297));
    EXPECT_TRUE(white_at(66, 297));
    EXPECT_TRUE(white_at(70, 297));
    EXPECT_TRUE(background_at(71, 297));
    // "-15" ends at x 230.
    EXPECT_TRUE(background_at(211, 297));
    EXPECT_TRUE(white_at(212, 297));
    EXPECT_TRUE(white_at(228, 297));
    EXPECT_TRUE(background_at(229, 297));
    // The time bar: 100 pixels from x 5.
    EXPECT_TRUE(near(pixel_at(screen, 5, 315), 248, 0, 0));
    EXPECT_TRUE(near(pixel_at(screen, 104, 319), 248, 0, 0));
    EXPECT_TRUE(background_at(105, 317));

    Level = 12;
    Score = 1234;
    TimeLeft = 0;
    TimeFrames = 0;
    frame();
    EXPECT_TRUE(background_at(59, 297));
    EXPECT_TRUE(white_at(60, 297));
    EXPECT_TRUE(background_at(205, 297));
    EXPECT_TRUE(white_at(206, 297));
    EXPECT_TRUE(background_at(5, 316)); // no bar without time
    EXPECT_EQ(GameState, "init_game_over");
}

TEST_F(PlayScreen, RocketsAndEffectsStayOnTheBoard) {
    into_play();
    int picture = PictureNumber + 1;
    give(ParticleSprite, solid(3, 3, 248, 248, 248));
    give(ParticleSprite2, solid(3, 3, 248, 248, 248));
    // Row 2 and column 2 have tiles at both edges for the rockets to blow up.
    arrange({10, 14, 2, 22});
    ASSERT_EQ(TileList[0], 0);
    auto outside_clean = [] {
        for (int y = 0; y < 240; y++)
            for (int x = 0; x < 240; x++) {
                bool on_board = x >= 7 && x < 232 && y >= 7 && y < 232;
                if (!on_board && !background_at(x, y))
                    return testing::AssertionFailure() << "(" << x << ", " << y << ")";
            }
        return testing::AssertionSuccess();
    };

    for (unsigned seed = 1;; seed++) {
        srand(seed);
        if (rand() % 2 == 1) {
            srand(seed);
            break;
        }
    }
    tap(mid(1), mid(2)); // cell 11: a miss, flying sideways
    ASSERT_EQ(RocketMode, 1);
    // After one step rocket 1 (frame 0) is at x 65, rocket 2 (frame 1) at x 83.
    EXPECT_TRUE(near(pixel_at(screen, 66, 114), 0, 0, 248));
    EXPECT_TRUE(near(pixel_at(screen, 93, 120), 0, 248, 248));
    EXPECT_TRUE(tile_at(mid(4), mid(2) - 15, picture, 14)); // not reached yet
    for (int i = 0; i < 40; i++) {
        frame();
        ASSERT_TRUE(outside_clean()) << "frame " << i;
    }
    EXPECT_EQ(Board[10] + Board[14], 0);
    EXPECT_EQ(Score, -10);

    for (unsigned seed = 1;; seed++) {
        srand(seed);
        if (rand() % 2 == 0) {
            srand(seed);
            break;
        }
    }
    tap(mid(2), mid(3)); // cell 17: up and down the middle column
    ASSERT_EQ(RocketMode, 2);
    for (int i = 0; i < 40; i++) {
        frame();
        ASSERT_TRUE(outside_clean()) << "frame " << i;
    }
    EXPECT_EQ(Board[2] + Board[22], 0);
    EXPECT_EQ(Score, -20);
}

TEST_F(PlayScreen, TheLastTileShowsGoodWorkAndATapStartsTheNextLevel) {
    into_play();
    int picture = PictureNumber + 1;
    std::vector<int> placed;
    for (int c = 0; c < 25; c++)
        if (c != 18)
            placed.push_back(c);
    arrange(placed);
    Score = 0;
    TimeLeft = 230;
    TimeFrames = 0;
    tap(mid(3), mid(3));
    EXPECT_EQ(GameSubState, "nextlevel");
    EXPECT_EQ(Level, 2);
    EXPECT_EQ(Score, 5 + 230);
    // The good-work picture over the board, every tile under it, and the score before the bonus.
    EXPECT_TRUE(near(pixel_at(screen, 5, 65), 248, 128, 0));
    EXPECT_TRUE(near(pixel_at(screen, 239, 159), 248, 128, 0));
    EXPECT_TRUE(tile_at(mid(3), mid(3) + 20, picture, 18));
    EXPECT_TRUE(tile_at(mid(3), 30, picture, 3));
    EXPECT_TRUE(background_at(120, 260)); // nothing offered
    EXPECT_TRUE(white_at(224, 297));
    EXPECT_TRUE(background_at(218, 297));
    ASSERT_FALSE(sounds_played.empty());
    EXPECT_EQ(sounds_played.back().first, &GoodSound);
    EXPECT_EQ(sounds_played.back().second, 0);

    frame();
    frame();
    EXPECT_EQ(GameSubState, "nextlevel");
    EXPECT_TRUE(near(pixel_at(screen, 5, 65), 248, 128, 0));
    tap(120, 120);
    EXPECT_EQ(GameSubState, "przejscie obrazek");
    EXPECT_EQ(TimeLeft, 230);
    EXPECT_EQ(std::count(PictureUsed, PictureUsed + 20, 1), 2);
    EXPECT_NE(PictureNumber + 1, picture);
}

TEST_F(PlayScreen, TheLastLevelEndsTheGameAsWon) {
    into_play();
    Level = 20;
    std::vector<int> placed;
    for (int c = 1; c < 25; c++)
        placed.push_back(c);
    arrange(placed);
    tap(mid(0), mid(0));
    EXPECT_EQ(Level, 21);
    EXPECT_EQ(GameState, "init_koniec_gry");
    EXPECT_EQ(GameSubState, "init");
}

TEST_F(PlayScreen, TheMenuButtonSavesTheGameBeforeTheClockTicks) {
    into_play();
    TimeLeft = 50;
    TimeFrames = 24;
    Score = 35;
    tap(213, 252);
    EXPECT_EQ(GameState, "init_intro");
    EXPECT_EQ(TimeLeft, 49); // the rest of the frame still ran
    ASSERT_FALSE(sounds_played.empty());
    EXPECT_EQ(sounds_played[0].first, &ButtonSound);
    std::string saved = read_file(dir.file("cont.tll"));
    EXPECT_EQ(saved.substr(0, 3), "50 ");
    EXPECT_TRUE(saved_game_exists());
}

TEST_F(PlayScreen, AHintMarksTheHomeCellAndCosts) {
    into_play();
    TimeLeft = 100;
    int offered = TileList[TileCurrent];
    tap(20, 250);
    EXPECT_EQ(Score, -10);
    EXPECT_EQ(TimeLeft, 93);
    EXPECT_EQ(HintActive, 1);
    EXPECT_EQ(hint_marker.x, 45 * (offered % 5) + 7);
    EXPECT_EQ(hint_marker.y, 45 * (offered / 5) + 7);
}

TEST_F(PlayScreen, TwentyLevelsShowEveryPictureOnce) {
    std::set<int> shown;
    for (int level = 0; level < 20; level++) {
        setup_level();
        shown.insert(PictureNumber);
        // The picture loaded is the one drawn.
        rgb p = pixel_at(LevelPicture.surface, 2, 2);
        EXPECT_TRUE(std::abs(p.r - picture_red(PictureNumber + 1)) <= 4);
    }
    EXPECT_EQ(shown.size(), 20u);
    EXPECT_EQ(LevelPicture.frame_w, 45.0f);

    // Every flag already set: the set starts over instead of searching forever.
    setup_level();
    EXPECT_EQ(std::count(PictureUsed, PictureUsed + 20, 1), 1);
}

TEST_F(PlayScreen, SetUpShufflesBeforeItDrawsThePicture) {
    srand(1234);
    setup_level();
    std::vector<int> dealt(TileList, TileList + 25);
    int picture = PictureNumber;
    srand(1234);
    std::vector<int> used(25, 0), expected;
    while (expected.size() < 25) {
        int r = rand() % 25;
        if (!used[r]) {
            used[r] = 1;
            expected.push_back(r);
        }
    }
    EXPECT_EQ(dealt, expected);
    EXPECT_EQ(picture, rand() % 20);
}

TEST_F(PlayScreen, AContinuedGameIsRestoredOverTheNewLevel) {
    // The saved game: picture 14 with cells 0..4 placed, level 6, 80 seconds left.
    TimeLeft = 80;
    BestScore = 300;
    Level = 6;
    Score = -5;
    PictureNumber = 13;
    for (int c = 0; c < 25; c++) {
        Board[c] = c < 5 ? 1 : 0;
        ShuffleUsed[c] = 1;
        TileList[c] = c < 20 ? 24 - c : 0;
    }
    TileLast = 19;
    TileCurrent = 4;
    for (int i = 0; i < 20; i++)
        PictureUsed[i] = i < 6 ? 1 : 0;
    save_game();
    std::vector<int> saved_list(TileList, TileList + 25);

    Level = 1;
    Score = 0;
    std::fill(PictureUsed, PictureUsed + 20, 0);
    ContinueFlag = 1;
    setup_level();
    EXPECT_EQ(PictureNumber, 13);
    EXPECT_EQ(TimeLeft, 80);
    EXPECT_EQ(Level, 6);
    EXPECT_EQ(Score, -5);
    EXPECT_EQ(TileCurrent, 4);
    EXPECT_EQ(std::vector<int>(TileList, TileList + 25), saved_list);
    EXPECT_EQ(std::count(PictureUsed, PictureUsed + 20, 1), 6);
    EXPECT_EQ(ContinueFlag, 1);
    rgb p = pixel_at(LevelPicture.surface, 2, 2);
    EXPECT_TRUE(std::abs(p.r - picture_red(14)) <= 4);

    // A file damaged since the prompt: the fresh level stands.
    write_file(dir.file("cont.tll"), "80 300 19 4 6 -5 13 1 1");
    Level = 1;
    Score = 0;
    std::fill(PictureUsed, PictureUsed + 20, 0);
    testing::internal::CaptureStderr();
    setup_level();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "No saved game to continue in " + dir.file("cont.tll") + "\n");
    EXPECT_EQ(TimeLeft, 230);
    EXPECT_EQ(Level, 1);
    EXPECT_EQ(TileLast, 24);
    EXPECT_EQ(std::count(PictureUsed, PictureUsed + 20, 1), 1);
}

TEST(DrawLine, StepsAlongTheLongerAxis) {
    SDL_Surface* s = open_test_screen(240, 320);
    fill_rect(s, 0, 0, 20, 20, 0, 0, 0);
    uint32_t white = map_rgb(248, 248, 248);
    draw_line(2, 2, 8, 5, white, s); // slope 0.5: y 2, 2.5, 3, ...
    std::vector<int> ys;
    for (int x = 0; x < 12; x++)
        for (int y = 0; y < 12; y++)
            if (pixel_at(s, x, y).r > 100)
                ys.push_back(x * 100 + y);
    EXPECT_EQ(ys, (std::vector<int>{202, 303, 403, 504, 604, 705, 805}));

    fill_rect(s, 0, 0, 20, 20, 0, 0, 0);
    draw_line(5, 9, 4, 1, white, s); // y major, drawn upwards from the first point
    int count = 0;
    for (int x = 0; x < 12; x++)
        for (int y = 0; y < 12; y++)
            count += pixel_at(s, x, y).r > 100;
    EXPECT_EQ(count, 9);
    EXPECT_GT(pixel_at(s, 5, 9).r, 100);
    EXPECT_GT(pixel_at(s, 4, 1).r, 100);

    fill_rect(s, 0, 0, 20, 20, 0, 0, 0);
    draw_line(3, 3, 3, 3, white, s);
    EXPECT_GT(pixel_at(s, 3, 3).r, 100);
    draw_line(-5, 300, 250, 330, white, s); // runs off the surface without harm
}
