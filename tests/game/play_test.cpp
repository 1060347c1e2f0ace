// Level set-up and the game-play screen driven frame by frame with real SDL events.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "app/globals.h"
#include "platform/input.h"
#include "platform/random.h"
#include "app/startup.h"
#include "app/state.h"
#include "fx/effects.h"
#include "game/game_state.h"
#include "game/level.h"
#include "game/play.h"
#include "game/rules.h"
#include "tests/support/test_support.h"
#include "video/board_geometry.h"
#include "video/video.h"

namespace {

const rgb kBackground = {0, 64, 0}, kWhite = {248, 248, 248}, kBlack = {0, 0, 0},
          kGoodWork = {248, 128, 0};

SDL_Surface* solid(int w, int h, rgb c) {
    SDL_Surface* made = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xff0000, 0xff00, 0xff, 0);
    fill_rect(made, 0, 0, w, h, c.r, c.g, c.b);
    return made;
}

// Gives the sprite a w x h picture in one colour.
void give(sprite& s, int w, int h, rgb c) {
    if (s.surface)
        SDL_FreeSurface(s.surface);
    SDL_Surface* made = solid(w, h, c);
    s.surface = SDL_DisplayFormat(made);
    SDL_FreeSurface(made);
    std::tie(s.w, s.h, s.frame_w, s.frame_h) = std::make_tuple(w, h, w, h);
}

// Level picture n: each 45 x 45 cell in its own colour, red 8 * n telling the picture, green
// 8 * cell the cell. A loose "n.jpg" may hold any format the loader recognises.
void write_pictures(const temp_dir& dir) {
    for (int n = 1; n <= 20; n++) {
        SDL_Surface* p = solid(225, 225, kBlack);
        for (int cell = 0; cell < 25; cell++)
            fill_rect(p, 45 * (cell % 5), 45 * (cell / 5), 45, 45, 8 * n, 8 * cell, 64);
        SDL_SaveBMP(p, dir.file(std::to_string(n) + ".jpg").c_str());
        SDL_FreeSurface(p);
    }
}

rgb tile(int picture, int cell) {
    return {8 * picture, 8 * cell, 64};
}

bool near(int x, int y, rgb want) {
    rgb got = pixel_at(screen, x, y);
    return std::abs(got.r - want.r) <= 4 && std::abs(got.g - want.g) <= 4 &&
           std::abs(got.b - want.b) <= 4;
}
void expect_at(rgb colour, std::initializer_list<std::pair<int, int>> points) {
    for (auto p : points)
        EXPECT_TRUE(near(p.first, p.second, colour)) << "at " << p.first << ", " << p.second;
}

int mid(int n) {
    return 7 + 45 * n + 22;
}

void push_button(Uint8 type, int x, int y) {
    SDL_Event e;
    Uint8 pressed = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button = {type, 0, SDL_BUTTON_LEFT, pressed, Uint16(x), Uint16(y)};
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

class PlayScreen : public ::testing::Test {
  protected:
    void SetUp() override {
        open_test_screen(240, 320);
        Scale = 1;
        FramesPerSecond = 25;
        MediaPath = dir.path();
        SaveFolder = dir.path();
        std::strcpy(MediaFolder, dir.path().c_str());
        write_pictures(dir);
        give(GameBackground, 240, 320, kBackground);
        give(TimeBarPicture, 230, 5, kWhite);
        give(GoodWorkPicture, 240, 100, kGoodWork);
        give(SmallFont, 5, 8, kWhite); // the HUD's text, not looked at here
        for (SDL_Event e; SDL_PollEvent(&e);) {
        }
        input_reset(InputState);
        Game.ContinueFlag = Game.Score = 0;
        Game.Level = 1;
        std::fill(Game.PictureUsed, Game.PictureUsed + 20, 0);
    }
    void into_play() {
        setup_level();
        for (int i = 0; i < 100 && GameSubState != phases::start_gry; i++)
            GameSubState == phases::five_sec ? tap(120, 120) : frame();
        ASSERT_EQ(GameSubState, phases::start_gry);
    }

    // Sets the board and the pile by hand: cells in `placed` are down, the rest offered in order.
    void arrange(const std::vector<int>& placed) {
        int n = 0;
        for (int c = 0; c < 25; c++)
            if (!(Game.Board[c] = std::count(placed.begin(), placed.end(), c) ? 1 : 0))
                Game.TileList[n++] = c;
        std::tie(Game.TileLast, Game.TileCurrent) = std::make_tuple(n - 1, 0);
    }

    temp_dir dir;
};

} // namespace

TEST_F(PlayScreen, ALevelFadesInIsShownWithItsGridAndFadesToTheBoard) {
    // Every picture already used: the set starts over instead of searching forever.
    std::fill(Game.PictureUsed, Game.PictureUsed + 20, 1);
    setup_level();
    EXPECT_EQ(std::count(Game.PictureUsed, Game.PictureUsed + 20, 1), 1);
    int picture = Game.PictureNumber + 1;
    // A press during the fade neither acts nor is consumed; it ends the preview at once.
    push_button(SDL_MOUSEBUTTONDOWN, 120, 120);
    for (int i = 0; GameSubState == phases::przejscie_obrazek && i < 60; i++) {
        frame();
        EXPECT_EQ(InputState.stylusDown, 1);
    }
    ASSERT_EQ(GameSubState, phases::five_sec);
    // Grid lines at 52, 97, 142 and 187 from 7 to 232 over the picture; no frame round the board.
    expect_at(kBlack, {{52, 100}, {187, 232}});
    expect_at(kBackground, {{187, 233}});
    expect_at(tile(picture, 22), {{100, 231}});
    frame();
    EXPECT_EQ(GameSubState, phases::przejscie_obrazek2);
    push_button(SDL_MOUSEBUTTONUP, 120, 120);
    for (int i = 0; i < 26; i++)
        frame();
    EXPECT_EQ(GameSubState, phases::start_gry);

    // Without a press the picture stays five seconds.
    setup_level();
    for (int i = 0; i < 26 + 125; i++)
        frame();
    EXPECT_EQ(GameSubState, phases::five_sec);
    frame();
    EXPECT_EQ(GameSubState, phases::przejscie_obrazek2);
}

TEST_F(PlayScreen, PlayFrameDrawsOfferedAndPlacedTiles) {
    into_play();
    int picture = Game.PictureNumber + 1;
    arrange({0, 7, 24});
    frame();
    // Offered: cell 1, from (97, 245) to (141, 289).
    expect_at(tile(picture, 1), {{97, 245}, {141, 289}});
    expect_at(kBackground, {{96, 245}, {142, 289}, {mid(1), mid(0)}});
    expect_at(tile(picture, 7), {{mid(2), mid(1)}});
    expect_at(tile(picture, 24), {{231, 231}});

    tap(72, 270); // previous tile: round to the last one
    EXPECT_EQ(Game.TileCurrent, Game.TileLast);
    expect_at(tile(picture, 23), {{120, 260}});
    tap(165, 270); // next tile: round to the first again
    EXPECT_EQ(Game.TileCurrent, 0);

    tap(mid(1), mid(0)); // cell 1, the offered one, goes down
    expect_at(tile(picture, 1), {{mid(1), mid(0)}});
    expect_at(tile(picture, 2), {{120, 260}});
}

// A miss launches two rockets along the tapped cell's row or column; each placed tile they fly
// over goes back to the pile at -5 in the order met, and nothing else moves. Rockets, their
// trails and the explosions are clipped to the board: nothing lands on the tray.
TEST_F(PlayScreen, MissesClearOnlyTheirLineInRocketOrderOnTheBoard) {
    struct miss {
        int horizontal, cell;
        std::vector<int> placed, knocked;
    };
    const miss misses[] = {
        // Cell 12: rocket 2 meets 13 on frame 3; on frame 8 rocket 1 meets 10 just before
        // rocket 2 meets 14, at the row's far edge.
        {1, 12, {10, 13, 14, 5, 9, 16, 18}, {13, 10, 14}},
        {0, 11, {1, 6, 21, 0, 2, 20, 22, 8}, {6, 1, 21}}, // up and down its column, edge to edge
    };
    into_play();
    give(RocketSprite1, 24, 8, {0, 0, 248}); // two 12 x 8 frames: blue, then cyan
    fill_rect(RocketSprite1.surface, 12, 0, 12, 8, 0, 248, 248);
    RocketSprite1.frame_w = 12;
    give(RocketSprite2, 16, 12, {248, 0, 248}); // two 8 x 12 frames
    RocketSprite2.frame_w = 8;
    give(ParticleSprite, 3, 3, kWhite);
    give(ParticleSprite2, 3, 3, kWhite);
    int (*const random_direction)() = rocket_direction;
    for (const miss& m : misses) {
        SCOPED_TRACE(m.horizontal ? "row" : "column");
        arrange(m.placed);
        Game.Score = 0;
        int offered = Game.TileList[0];
        rocket_direction = m.horizontal ? +[] { return 1; } : +[] { return 0; };
        tap(mid(m.cell % 5), mid(m.cell / 5));
        ASSERT_EQ(Game.RocketMode, m.horizontal ? 1 : 2);
        if (m.horizontal) {
            // After one step rocket 1 (frame 0) is at x 110, rocket 2 (frame 1) at x 128.
            expect_at({0, 0, 248}, {{111, 114}});
            expect_at({0, 248, 248}, {{138, 120}});
        }
        for (int i = 0; i < 40; i++) {
            frame();
            for (int y = 0; y < 240; y++)
                for (int x = 0; x < 240; x++)
                    if ((x < 7 || x >= 232 || y < 7 || y >= 232) && !near(x, y, kBackground))
                        FAIL() << "frame " << i << " at (" << x << ", " << y << ")";
        }
        // The sparks stream from where the rockets are, all the way off the board.
        for (int k = 0; k < 2; k++)
            EXPECT_EQ(std::make_pair(trails[k].x, trails[k].y),
                      std::make_pair(Rockets[k].x, Rockets[k].y));
        EXPECT_LT(m.horizontal ? Rockets[0].x : Rockets[0].y, 0);
        const int* end = Game.TileList + Game.TileLast + 1;
        EXPECT_EQ(std::vector<int>(end - m.knocked.size(), end), m.knocked);
        // The miss itself is free; the offer stays.
        EXPECT_EQ(std::make_pair(Game.Score, Game.TileList[Game.TileCurrent]),
                  std::make_pair(-15, offered));
    }
    rocket_direction = random_direction;
}

TEST_F(PlayScreen, TheLastTileShowsGoodWorkOverTheBoard) {
    into_play();
    std::vector<int> placed;
    for (int c = 0; c < 25; c++)
        if (c != 18)
            placed.push_back(c);
    arrange(placed);
    tap(mid(3), mid(3));
    EXPECT_EQ(GameSubState, phases::nextlevel);
    expect_at(kGoodWork, {{5, 65}, {239, 159}});
    expect_at(kBackground, {{120, 260}});
}

TEST_F(PlayScreen, MenuButtonSavesBeforeTheClockTicks) {
    into_play();
    std::tie(Game.TimeLeft, Game.TimeFrames) = std::make_tuple(50, 24);
    tap(213, 252);
    EXPECT_EQ(GameState, states::init_intro);
    EXPECT_EQ(Game.TimeLeft, 49); // the rest of the frame still ran
    EXPECT_EQ(read_file(dir.file("cont.tll")).substr(0, 3), "50 ");
}

TEST(BoardGeometry, CellsUnderPointsAtEveryScale) {
    int column = -1, row = -1;
    for (Scale = 1; Scale <= 16; Scale++) {
        // Far-off points must not overflow into the board.
        EXPECT_FALSE(cell_under(100000000, -100000000, &column, &row));
        // The board stands centred across the 240-wide layout: 7.5 units each side of 225.
        EXPECT_FLOAT_EQ(2 * board_edge_f() + static_cast<float>(board_size()),
                        static_cast<float>(240 * Scale));
        EXPECT_EQ(board_edge(), 15 * Scale / 2);
        EXPECT_EQ(board_size(), 5 * cell_size());
        // Each cell's first and last whole pixel lie in it.
        for (int k = 0; k < 5; k++) {
            int first = static_cast<int>(std::ceil(board_edge_f() + k * cell_size()));
            int last = static_cast<int>(std::ceil(board_edge_f() + (k + 1) * cell_size())) - 1;
            ASSERT_TRUE(cell_under(first, last, &column, &row));
            EXPECT_EQ((std::vector<int>{column, row}), (std::vector<int>{k, k}))
                << "Scale " << Scale << " cell " << k;
            // The next pixel is in the next cell, or past the board on none.
            using cell = std::vector<int>;
            bool next = cell_under(last + 1, first, &column, &row);
            EXPECT_EQ((next ? cell{column, row} : cell{}), (k < 4 ? cell{k + 1, k} : cell{}))
                << "Scale " << Scale;
        }
    }
    Scale = 2;
}
