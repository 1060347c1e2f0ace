// The board rules without a screen: offering tiles, right and wrong taps, rockets, hints, time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/globals.h"
#include "platform/random.h"
#include "app/startup.h"
#include "app/state.h"
#include "fx/effects.h"
#include "game/game_state.h"
#include "game/rules.h"
#include "video/board_geometry.h"

namespace {

using cells = std::vector<int>;

// A fresh level with the pile in the given order and every other cell placed.
void deal(const cells& pile) {
    std::tie(Scale, FramesPerSecond) = std::make_pair(1, 25);
    std::fill(Board, Board + 25, 1);
    for (size_t i = 0; i < pile.size(); i++) {
        TileList[i] = pile[i];
        Board[pile[i]] = 0;
    }
    TileLast = static_cast<int>(pile.size()) - 1;
    TileCurrent = Score = TimeFrames = RocketMode = HintActive = 0;
    std::tie(TimeLeft, Level) = std::make_tuple(230, 1);
    enter_state(states::gra, phases::start_gry);
}

cells all_but(const cells& placed) {
    cells pile;
    for (int c = 0; c < 25; c++)
        if (std::find(placed.begin(), placed.end(), c) == placed.end())
            pile.push_back(c);
    return pile;
}

// Every cell is either placed or in the pile, never both.
void expect_invariant() {
    cells seen(25, 0);
    for (int i = 0; i <= TileLast; i++)
        seen.at(TileList[i])++;
    for (int c = 0; c < 25; c++)
        EXPECT_EQ(seen[c] + Board[c], 1) << "cell " << c;
}

int mid(int n) {
    return 7 + 45 * n + 22;
}

// The next misses fly horizontally (1) or vertically (0).
void next_miss_flies(int horizontal) {
    if (horizontal)
        rocket_direction = [] { return 1; };
    else
        rocket_direction = [] { return 0; };
}

// The events of one move, as words: "placed 12", "rockets 97 112 row", "knocked 13", ...
std::string said(const rule_events& events) {
    std::string words;
    for (int k = 0; k < events.count; k++) {
        const rule_event& e = events.list[k];
        const std::string cell = std::to_string(e.cell);
        const std::string at = std::to_string(e.x) + " " + std::to_string(e.y);
        switch (e.kind) {
        case rule_event_kind::tile_placed:
            words += "placed " + cell;
            break;
        case rule_event_kind::rockets_launched:
            words += "rockets " + at + (e.horizontal ? " row" : " column");
            break;
        case rule_event_kind::tile_knocked_out:
            words += "knocked " + cell;
            break;
        case rule_event_kind::hint_at:
            words += "hint " + cell + " at " + at;
            break;
        case rule_event_kind::level_cleared:
            words += "cleared";
            break;
        case rule_event_kind::game_won:
            words += "won";
            break;
        case rule_event_kind::time_up:
            words += "time up";
            break;
        }
        words += k + 1 < events.count ? ", " : "";
    }
    return words;
}

// What a tap on a cell did: its events, and whether it cleared the level.
std::pair<std::string, bool> tap(int column, int row) {
    rule_events events;
    bool complete = tap_on_board(mid(column), mid(row), events);
    return {said(events), complete};
}

template <typename Move> std::string move(Move m) {
    rule_events events;
    m(events);
    return said(events);
}

// Cells knocked out while the rockets fly until both are well off the board: the events name them
// in the order the pile takes them back.
cells fly_out() {
    int before = TileLast;
    cells knocked;
    for (int frame = 0; frame < 40; frame++) {
        rocket_move();
        rule_events events;
        rocket_knock_out(events);
        for (int k = 0; k < events.count; k++) {
            EXPECT_EQ(events.list[k].kind, rule_event_kind::tile_knocked_out);
            knocked.push_back(events.list[k].cell);
        }
    }
    EXPECT_EQ(knocked, cells(TileList + before + 1, TileList + TileLast + 1));
    return knocked;
}

struct RulesTest : ::testing::Test {
    void TearDown() override { rocket_direction = RandomDirection; }
    int (*const RandomDirection)() = rocket_direction;
};

} // namespace

// Stepping through the pile is the play screen's test; here what a right tap leaves offered.
TEST_F(RulesTest, RightTapsRemoveTheOfferedTile) {
    deal({3, 8, 1, 20});
    TileCurrent = 1;
    // A middle entry: the tile that followed it is offered next.
    EXPECT_EQ(tap(3, 1), std::make_pair(std::string("placed 8"), false));
    EXPECT_EQ(cells(TileList, TileList + TileLast + 1), (cells{3, 1, 20}));
    EXPECT_EQ(std::make_pair(TileCurrent, Score), std::make_pair(1, 5));
    // The last entry: the one before it is offered next.
    TileCurrent = 2;
    EXPECT_EQ(tap(0, 4), std::make_pair(std::string("placed 20"), false));
    EXPECT_EQ(cells(TileList, TileList + TileLast + 1), (cells{3, 1}));
    EXPECT_EQ(TileCurrent, 1);
    expect_invariant();
    // A tap on a placed cell neither scores nor fires.
    EXPECT_EQ(tap(1, 1), std::make_pair(std::string(), false));
    EXPECT_EQ(Score, 10);
    EXPECT_EQ(RocketMode, 0);

    // The one tile left: placing it completes the level and leaves nothing offered.
    deal({12});
    EXPECT_EQ(tap(2, 2), std::make_pair(std::string("placed 12"), true));
    EXPECT_EQ(std::make_pair(TileLast, TileCurrent), std::make_pair(-1, -1));
    // A hint has no cell to mark then and costs nothing.
    EXPECT_EQ(move(take_hint), "");
    EXPECT_EQ(std::make_pair(Score, TimeLeft), std::make_pair(5, 230));
}

// A miss launches two rockets along the tapped cell's row or column; each placed tile they meet
// goes back to the pile at -5 in the order met, and nothing else moves.
TEST_F(RulesTest, MissesClearOnlyTheirLineInRocketOrder) {
    struct miss {
        int horizontal, column, row;
        cells placed, knocked;
    };
    const miss misses[] = {
        // Cell 12: rocket 2 meets 13 on frame 3; on frame 8 rocket 1 meets 10 just before
        // rocket 2 meets 14.
        {1, 2, 2, {10, 13, 14, 5, 9, 16, 18}, {13, 10, 14}},
        {0, 1, 2, {1, 6, 21, 0, 2, 20, 22, 8}, {6, 1, 21}}, // cell 11 up and down its column
    };
    for (const miss& m : misses) {
        SCOPED_TRACE(m.horizontal ? "row" : "column");
        deal(all_but(m.placed));
        int offered = TileList[0];
        next_miss_flies(m.horizontal);
        const int x = 7 + 45 * m.column + 22, y = 7 + 45 * m.row + 22; // the cell's middle
        EXPECT_EQ(tap(m.column, m.row),
                  std::make_pair("rockets " + std::to_string(x) + " " + std::to_string(y) +
                                     (m.horizontal ? " row" : " column"),
                                 false));
        EXPECT_EQ(RocketMode, m.horizontal ? 1 : 2);
        EXPECT_EQ(fly_out(), m.knocked);
        // The miss itself is free; the offer stays.
        EXPECT_EQ(std::make_pair(Score, TileList[TileCurrent]), std::make_pair(-15, offered));
        expect_invariant();
    }
}

TEST_F(RulesTest, CellsUnderPoints) {
    // Column and row under a point, or none; far-off points must not overflow into the board.
    const int points[][5] = {{1, 8, 231, 0, 4},
                             {1, 233, 100, -1, -1},
                             {1, 100000000, -100000000, -1, -1},
                             {2, 464, 16, 4, 0}};
    for (const auto& p : points) {
        Scale = p[0];
        int column = -1, row = -1;
        bool on = cell_under(p[1], p[2], &column, &row);
        EXPECT_EQ((on ? cells{column, row} : cells{-1, -1}), (cells{p[3], p[4]}))
            << p[1] << ", " << p[2] << " at Scale " << p[0];
    }
}

TEST_F(RulesTest, BoardGeometryAtEveryScale) {
    for (Scale = 1; Scale <= 16; Scale++) {
        // The board stands centred across the 240-wide layout: 7.5 units each side of 225.
        EXPECT_FLOAT_EQ(2 * board_edge_f() + static_cast<float>(board_size()),
                        static_cast<float>(240 * Scale));
        EXPECT_EQ(board_edge(), 15 * Scale / 2);
        EXPECT_EQ(board_size(), 5 * cell_size());
        // Each cell's first and last whole pixel lie in it, the next pixel in the next cell.
        for (int k = 0; k < 5; k++) {
            int first = static_cast<int>(std::ceil(board_edge_f() + k * cell_size()));
            int last = static_cast<int>(std::ceil(board_edge_f() + (k + 1) * cell_size())) - 1;
            int column = -1, row = -1;
            ASSERT_TRUE(cell_under(first, last, &column, &row));
            EXPECT_EQ((cells{column, row}), (cells{k, k})) << "Scale " << Scale << " cell " << k;
            if (k < 4) {
                ASSERT_TRUE(cell_under(last + 1, first, &column, &row));
                EXPECT_EQ((cells{column, row}), (cells{k + 1, k})) << "Scale " << Scale;
            }
        }
    }
    Scale = 2;
}

TEST_F(RulesTest, HintsAndTheClock) {
    // A hint marks the offered tile's home cell.
    deal({17, 3});
    EXPECT_EQ(move(take_hint), "hint 17 at 97 142");
    EXPECT_EQ(HintActive, 1);
    EXPECT_EQ(std::make_pair(Score, TimeLeft), std::make_pair(-10, 223));

    // The last tile on the frame the time runs out still completes the level.
    deal({24});
    std::tie(TimeLeft, TimeFrames) = std::make_pair(1, 24);
    EXPECT_EQ(tap(4, 4), std::make_pair(std::string("placed 24"), true));
    EXPECT_EQ(move(second_tick), "time up");
    EXPECT_EQ(move(level_complete), "cleared");
    EXPECT_EQ(std::make_pair(Score, Level), std::make_pair(5, 2));
    // The twentieth level cleared wins the game.
    Level = 20;
    EXPECT_EQ(move(level_complete), "won");
}

// A score at the edge of what a saved file may hold stops there instead of overflowing.
TEST_F(RulesTest, TheScoreStopsAtItsLimit) {
    deal({3, 4});
    Score = -ScoreLimit + 4;
    move(take_hint);
    EXPECT_EQ(Score, -ScoreLimit);
    Score = ScoreLimit - 100;
    move(level_complete);
    EXPECT_EQ(Score, ScoreLimit);
    EXPECT_EQ(add_score(-7, 12), 5);
}
