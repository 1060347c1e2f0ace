// The board rules without a screen: offering tiles, right and wrong taps, rockets, hints, time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "app/globals.h"
#include "app/startup.h"
#include "app/state.h"
#include "fx/effects.h"
#include "game/game_state.h"
#include "game/rules.h"
#include "res/audio.h"

namespace {

std::vector<std::pair<hssSound*, int>> sounds_played;
void record_sound(hssSound* sound, int channel) {
    sounds_played.push_back({sound, channel});
}

// A fresh level with the pile in the given order and nothing placed.
void deal(const std::vector<int>& pile) {
    Scale = 1;
    FramesPerSecond = 25;
    for (int i = 0; i < 25; i++) {
        Board[i] = 1;
        TileList[i] = 0;
    }
    for (size_t i = 0; i < pile.size(); i++) {
        TileList[i] = pile[i];
        Board[pile[i]] = 0;
    }
    TileLast = static_cast<int>(pile.size()) - 1;
    TileCurrent = 0;
    Score = 0;
    TimeLeft = 230;
    TimeFrames = 0;
    RocketMode = 0;
    HintActive = 0;
    Level = 1;
    GameState = "gra";
    GameSubState = "start_gry";
    sounds_played.clear();
    play_sound_observer = record_sound;
}

std::vector<int> all_but(const std::vector<int>& placed) {
    std::vector<int> pile;
    for (int c = 0; c < 25; c++)
        if (std::find(placed.begin(), placed.end(), c) == placed.end())
            pile.push_back(c);
    return pile;
}

std::vector<int> pile() {
    return std::vector<int>(TileList, TileList + TileLast + 1);
}

// Placed cells and the pile are disjoint and together all 25 cells.
void expect_invariant() {
    ASSERT_GE(TileLast, -1);
    ASSERT_LE(TileLast, 24);
    std::vector<int> seen(25, 0);
    for (int i = 0; i <= TileLast; i++) {
        ASSERT_GE(TileList[i], 0);
        ASSERT_LE(TileList[i], 24);
        seen[TileList[i]]++;
    }
    for (int c = 0; c < 25; c++)
        EXPECT_EQ(seen[c] + Board[c], 1) << "cell " << c;
}

// The screen point in the middle of a cell at Scale 1.
int mid(int n) {
    return 7 + 45 * n + 22;
}

// Seeds rand so that the next miss flies horizontally (1) or vertically (0).
void next_miss_flies(int horizontal) {
    for (unsigned seed = 1;; seed++) {
        srand(seed);
        if (rand() % 2 == horizontal) {
            srand(seed);
            return;
        }
    }
}

// Cells knocked out, in order, while the rockets fly until both are well off the board.
std::vector<int> fly_out() {
    int before = TileLast;
    for (int frame = 0; frame < 40; frame++) {
        rocket_move();
        rocket_knock_out();
    }
    return std::vector<int>(TileList + before + 1, TileList + TileLast + 1);
}

} // namespace

TEST(Rules, OfferingStepsThroughThePileAndWraps) {
    deal({3, 8, 1, 20});
    offer_previous_tile();
    EXPECT_EQ(TileCurrent, 3);
    offer_next_tile();
    EXPECT_EQ(TileCurrent, 0);
    offer_next_tile();
    EXPECT_EQ(TileCurrent, 1);

    deal({7});
    offer_next_tile();
    EXPECT_EQ(TileCurrent, 0);
    offer_previous_tile();
    EXPECT_EQ(TileCurrent, 0);
}

TEST(Rules, RightTapsRemoveTheOfferedEntry) {
    deal({3, 8, 1, 20});
    // A middle entry: the tile that followed it is offered next.
    TileCurrent = 1;
    EXPECT_FALSE(tap_on_board(mid(3), mid(1)));
    EXPECT_EQ(Board[8], 1);
    EXPECT_EQ(pile(), (std::vector<int>{3, 1, 20}));
    EXPECT_EQ(TileCurrent, 1);
    EXPECT_EQ(Score, 5);
    ASSERT_EQ(sounds_played.size(), 1u);
    EXPECT_EQ(sounds_played[0].first, &GoodPSound);
    EXPECT_EQ(sounds_played[0].second, 0);

    // The last entry: the one before it is offered next.
    TileCurrent = 2;
    EXPECT_FALSE(tap_on_board(mid(0), mid(4)));
    EXPECT_EQ(pile(), (std::vector<int>{3, 1}));
    EXPECT_EQ(TileCurrent, 1);
    EXPECT_EQ(Score, 10);
    expect_invariant();
}

TEST(Rules, PlacingTheLastTileCompletesTheLevel) {
    deal({12});
    EXPECT_TRUE(tap_on_board(mid(2), mid(2)));
    EXPECT_EQ(TileLast, -1);
    EXPECT_EQ(TileCurrent, -1);
    expect_invariant();
    // Nothing is offered any more: a hint has no cell to mark and costs nothing.
    take_hint();
    EXPECT_EQ(Score, 5);
    EXPECT_EQ(TimeLeft, 230);
}

TEST(Rules, TapOnAPlacedCellDoesNothing) {
    deal(all_but({6}));
    EXPECT_FALSE(tap_on_board(mid(1), mid(1)));
    EXPECT_TRUE(sounds_played.empty());
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(RocketMode, 0);
    EXPECT_EQ(Board[6], 1);
}

TEST(Rules, HorizontalMissClearsItsRowInRocketOrderOnly) {
    // Row 2 holds 10, 13 and 14; rows 1 and 3 hold tiles that must survive.
    std::vector<int> placed = {10, 13, 14, 5, 9, 16, 18};
    deal(all_but(placed));
    ASSERT_EQ(TileList[0], 0); // cell 0 is offered, so a tap on the empty cell 12 misses
    next_miss_flies(1);
    EXPECT_FALSE(tap_on_board(mid(2), mid(2)));
    EXPECT_EQ(RocketMode, 1);
    ASSERT_EQ(sounds_played.size(), 1u);
    EXPECT_EQ(sounds_played[0].first, &RocketSound);
    EXPECT_EQ(sounds_played[0].second, 0);
    EXPECT_EQ(RocketSprite1.x, 119.0f);
    EXPECT_EQ(RocketSprite1.y, 113.0f);
    EXPECT_EQ(RocketSprite2.x, 119.0f);
    EXPECT_EQ(RocketSprite2.y, 119.0f);
    EXPECT_EQ(Score, 0); // the miss itself is free

    // Rocket 2 meets 13 on frame 3; on frame 8 rocket 1 meets 10 just before rocket 2 meets 14.
    EXPECT_EQ(fly_out(), (std::vector<int>{13, 10, 14}));
    EXPECT_EQ(Score, -15);
    for (int c = 10; c < 15; c++)
        EXPECT_EQ(Board[c], 0) << c;
    for (int c : {5, 9, 16, 18})
        EXPECT_EQ(Board[c], 1) << c;
    EXPECT_EQ(TileCurrent, 0);
    expect_invariant();
}

TEST(Rules, VerticalMissClearsItsColumnOnly) {
    std::vector<int> placed = {1, 6, 21, 0, 2, 20, 22, 8};
    deal(all_but(placed));
    next_miss_flies(0);
    tap_on_board(mid(1), mid(2)); // cell 11, empty; cell 3 is offered
    EXPECT_EQ(RocketMode, 2);
    EXPECT_EQ(RocketSprite2.x, 68.0f);
    EXPECT_EQ(RocketSprite2.y, 119.0f);
    EXPECT_EQ(RocketSprite1.x, 74.0f);
    EXPECT_EQ(fly_out(), (std::vector<int>{6, 1, 21}));
    for (int c : {0, 2, 20, 22, 8})
        EXPECT_EQ(Board[c], 1) << c;
    EXPECT_EQ(Score, -15);
    expect_invariant();
}

TEST(Rules, RocketsRunAtTwiceTheSpeedAtScaleTwo) {
    deal(all_but({}));
    Scale = 2;
    next_miss_flies(1);
    tap_on_board(15 + 90 * 2 + 10, 15 + 90 * 3 + 10); // cell 17 at Scale 2
    EXPECT_EQ(trails[0].x, (45 * 2 + 22) * 2 + 15);
    EXPECT_EQ(RocketSprite1.y, static_cast<float>((45 * 3 + 22) * 2 + 15 - 12));
    rocket_move();
    EXPECT_EQ(trails[0].x, (45 * 2 + 22) * 2 + 15 - 19);
    EXPECT_EQ(trails[1].x, (45 * 2 + 22) * 2 + 15 + 19);
    EXPECT_EQ(trails[0].y, (45 * 3 + 22) * 2 + 15);
}

TEST(Rules, BoardEdgesAndCells) {
    for (int scale : {1, 2}) {
        Scale = scale;
        int t = scale == 1 ? 7 : 15;
        int size = 225 * scale;
        // Taps exactly on the edges are not on the board.
        EXPECT_FALSE(in_rect(t, 100, t, t, size, size));
        EXPECT_FALSE(in_rect(100, t, t, t, size, size));
        EXPECT_FALSE(in_rect(t + size, 100, t, t, size, size));
        EXPECT_FALSE(in_rect(100, t + size, t, t, size, size));
        for (int p = t + 1; p < t + size; p++) {
            int column = -1, row = -1;
            ASSERT_TRUE(cell_under(p, p, &column, &row)) << p;
            ASSERT_GE(column, 0);
            ASSERT_LE(column, 4);
            ASSERT_EQ(row, column);
        }
    }
    Scale = 1;
    int column = -1, row = -1;
    ASSERT_TRUE(cell_under(52, 53, &column, &row));
    EXPECT_EQ(column, 0);
    EXPECT_EQ(row, 1);
    // Truncation toward zero: up to 37.5 pixels left of the board still answers column 0.
    ASSERT_TRUE(cell_under(-29, 100, &column, &row));
    EXPECT_EQ(column, 0);
    EXPECT_FALSE(cell_under(-38, 100, &column, &row));
    EXPECT_FALSE(cell_under(233, 100, &column, &row));
    EXPECT_FALSE(cell_under(100000000, -100000000, &column, &row));
}

TEST(Rules, HintCostsAndCanEndTheGame) {
    deal({17, 3});
    TimeLeft = 5;
    take_hint();
    EXPECT_EQ(Score, -10);
    EXPECT_EQ(TimeLeft, -2);
    second_tick();
    EXPECT_EQ(GameState, "init_game_over");
    EXPECT_EQ(GameSubState, "init");
    EXPECT_EQ(Score, -10);
}

TEST(Rules, LevelCompleteAddsTheSecondsLeft) {
    deal({});
    Score = 120;
    TimeLeft = 37;
    Level = 4;
    ContinueFlag = 1;
    level_complete();
    EXPECT_EQ(Score, 157);
    EXPECT_EQ(Level, 5);
    EXPECT_EQ(ContinueFlag, 0);
    EXPECT_EQ(GameState, "gra");
    EXPECT_EQ(GameSubState, "nextlevel");

    deal({});
    Level = 20;
    TimeLeft = 3;
    level_complete();
    EXPECT_EQ(Level, 21);
    EXPECT_EQ(Score, 3);
    EXPECT_EQ(GameState, "init_koniec_gry");
    EXPECT_EQ(GameSubState, "init");
}

TEST(Rules, LastTileOnTheFrameTheTimeRunsOutCompletesTheLevel) {
    deal({24});
    TimeLeft = 1;
    TimeFrames = 24;
    Score = 50;
    bool complete = tap_on_board(mid(4), mid(4));
    second_tick();
    ASSERT_TRUE(complete);
    EXPECT_EQ(GameState, "init_game_over");
    level_complete();
    EXPECT_EQ(GameState, "gra");
    EXPECT_EQ(GameSubState, "nextlevel");
    EXPECT_EQ(Score, 55);
    EXPECT_EQ(Level, 2);
}

// Any mix of taps, offers, hints and rocket flights keeps every tile either placed or in the pile.
TEST(Rules, RandomPlayKeepsTheBoardWhole) {
    srand(7);
    std::vector<int> order;
    for (int c = 0; c < 25; c++)
        order.push_back((c * 7) % 25);
    deal(order);
    TimeLeft = 1000000;
    for (int frame = 0; frame < 5000; frame++) {
        int action = rand() % 10;
        if (action == 0)
            offer_previous_tile();
        else if (action == 1)
            offer_next_tile();
        else if (action == 2 && TileLast >= 0)
            take_hint();
        else if (action < 6)
            tap_on_board(rand() % 240, rand() % 240);
        else if (action < 8 && TileLast >= 0) // the right cell, when one is offered
            tap_on_board(mid(TileList[TileCurrent] % 5), mid(TileList[TileCurrent] / 5));
        rocket_move();
        rocket_knock_out();
        if (TileLast >= 0) {
            ASSERT_GE(TileCurrent, 0);
            ASSERT_LE(TileCurrent, TileLast);
        }
        expect_invariant();
        if (HasFailure())
            return;
        if (TileLast < 0)
            deal(order);
    }
}
