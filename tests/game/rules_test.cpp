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
#include "game/game_state.h"
#include "game/rules.h"
#include "game/twins.h"
#include "video/board_geometry.h"

namespace {

using cells = std::vector<int>;

// A fresh level with the pile in the given order and every other cell placed.
void deal(const cells& pile) {
    std::tie(Scale, FramesPerSecond) = std::make_pair(1, 25);
    std::fill(Board, Board + 25, 1);
    std::fill(TileTwins, TileTwins + 25, 0u); // no two tiles alike
    for (size_t i = 0; i < pile.size(); i++) {
        TileList[i] = pile[i];
        Board[pile[i]] = 0;
    }
    TileLast = static_cast<int>(pile.size()) - 1;
    TileCurrent = Score = TimeFrames = RocketMode = HintActive = 0;
    std::tie(TimeLeft, Level, GameState, GameSubState) =
        std::make_tuple(230, 1, "gra", "start_gry");
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

// The way the next misses fly, chosen by the test instead of drawn from game_rand().
class rocket_line {
  public:
    explicit rocket_line(bool along_row) {
        choose_rocket_line = along_row ? [] { return true; } : [] { return false; };
    }
    ~rocket_line() { choose_rocket_line = random_rocket_line; }
};

std::vector<rule_event_kind> kinds(const rule_events& events) {
    std::vector<rule_event_kind> out;
    for (const rule_event& e : events)
        out.push_back(e.kind);
    return out;
}

// Cells the rules said were knocked out, in order, while the rockets fly until both are well off
// the board; they are the tiles that went back on top of the pile, in the same order.
cells fly_out() {
    const int before = TileLast;
    cells knocked;
    for (int frame = 0; frame < 40; frame++) {
        rocket_move();
        for (const rule_event& e : rocket_knock_out()) {
            EXPECT_EQ(e.kind, rule_event_kind::tile_knocked_out);
            knocked.push_back(e.cell);
        }
    }
    EXPECT_EQ(cells(TileList + before + 1, TileList + TileLast + 1), knocked);
    return knocked;
}

} // namespace

// Stepping through the pile is the play screen's test; here what a right tap leaves offered.
TEST(Rules, RightTapsRemoveTheOfferedTile) {
    deal({3, 8, 1, 20});
    TileCurrent = 1;
    // A middle entry: the tile that followed it is offered next.
    rule_events placed = tap_on_board(mid(3), mid(1));
    ASSERT_EQ(kinds(placed), std::vector<rule_event_kind>{rule_event_kind::tile_placed});
    EXPECT_EQ(std::make_pair(placed[0].cell, placed[0].last), std::make_pair(8, false));
    EXPECT_EQ(cells(TileList, TileList + TileLast + 1), (cells{3, 1, 20}));
    EXPECT_EQ(std::make_pair(TileCurrent, Score), std::make_pair(1, 5));
    // The last entry: the one before it is offered next.
    TileCurrent = 2;
    EXPECT_EQ(tap_on_board(mid(0), mid(4)).at(0).cell, 20);
    EXPECT_EQ(cells(TileList, TileList + TileLast + 1), (cells{3, 1}));
    EXPECT_EQ(TileCurrent, 1);
    expect_invariant();
    // A tap on a placed cell, or beside the board, neither scores nor fires.
    EXPECT_TRUE(tap_on_board(mid(1), mid(1)).empty());
    EXPECT_TRUE(tap_on_board(mid(1), 300).empty());
    EXPECT_EQ(Score, 10);
    EXPECT_EQ(RocketMode, 0);

    // The one tile left: placing it completes the level and leaves nothing offered.
    deal({12});
    placed = tap_on_board(mid(2), mid(2));
    EXPECT_EQ(std::make_pair(placed.at(0).cell, placed.at(0).last), std::make_pair(12, true));
    EXPECT_EQ(std::make_pair(TileLast, TileCurrent), std::make_pair(-1, -1));
    // A hint has no cell to mark then and costs nothing.
    EXPECT_TRUE(take_hint().empty());
    EXPECT_EQ(std::make_pair(Score, TimeLeft), std::make_pair(5, 230));
    EXPECT_EQ(HintActive, 0);
}

// A miss launches two rockets along the tapped cell's row or column; each placed tile they meet
// goes back to the pile at -5 in the order met, and nothing else moves.
TEST(Rules, MissesClearOnlyTheirLineInRocketOrder) {
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
        rocket_line line(m.horizontal == 1);
        rule_events launched = tap_on_board(mid(m.column), mid(m.row));
        ASSERT_EQ(kinds(launched), std::vector<rule_event_kind>{rule_event_kind::rockets_launched});
        // Both start in the middle of the tapped cell.
        EXPECT_EQ(cells({launched[0].x, launched[0].y, launched[0].along_row}),
                  cells({mid(m.column), mid(m.row), m.horizontal}));
        EXPECT_EQ(RocketMode, m.horizontal ? 1 : 2);
        EXPECT_EQ(fly_out(), m.knocked);
        // The miss itself is free; the offer stays.
        EXPECT_EQ(std::make_pair(Score, TileList[TileCurrent]), std::make_pair(-15, offered));
        expect_invariant();
    }
}

// A miss draws its way from the shared generator, once, when it happens: the effects that follow
// draw theirs after it, as recordings expect.
TEST(Rules, AMissDrawsItsLineOnceFromTheGameGenerator) {
    for (unsigned seed : {1u, 2u, 3u, 4u}) {
        game_srand(seed);
        const bool along_row = game_rand() % 2 == 1;
        const int next = game_rand();
        game_srand(seed);
        deal({0, 24});
        rule_events launched = tap_on_board(mid(4), mid(4));
        ASSERT_EQ(launched.size(), 1u);
        EXPECT_EQ(launched[0].along_row, along_row) << "seed " << seed;
        EXPECT_EQ(RocketMode, along_row ? 1 : 2);
        EXPECT_EQ(game_rand(), next) << "seed " << seed;
    }
}

// The rockets cross the 240-unit screen in one second each way, whatever the Scale.
TEST(Rules, RocketsFlyApartAlongTheirLine) {
    deal(all_but({}));
    rocket_line line(false);
    Scale = 2;
    tap_on_board(2 * mid(3), 2 * mid(1));
    const int x = RocketX[0], y = RocketY[0];
    EXPECT_EQ(std::make_pair(RocketX[1], RocketY[1]), std::make_pair(x, y));
    for (int frame = 0; frame < 3; frame++)
        rocket_move();
    EXPECT_EQ(cells({RocketX[0], RocketY[0], RocketX[1], RocketY[1]}),
              cells({x, y - 3 * 19, x, y + 3 * 19}));
    RocketMode = 0;
    rocket_move();
    EXPECT_EQ(RocketY[0], y - 3 * 19);
    EXPECT_TRUE(rocket_knock_out().empty());
}

TEST(Rules, CellsUnderPoints) {
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

TEST(Rules, BoardGeometryAtEveryScale) {
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

TEST(Rules, HintsAndTheClock) {
    // A hint points at the offered tile's home cell, for points and time.
    deal({17, 3});
    rule_events hint = take_hint();
    ASSERT_EQ(kinds(hint), std::vector<rule_event_kind>{rule_event_kind::hint_at});
    EXPECT_EQ(hint[0].cell, 17);
    EXPECT_EQ(cells({HintActive, Score, TimeLeft}), cells({1, -10, 223}));

    // The clock: a second every FramesPerSecond frames; at 0 the level is lost, said once.
    deal({24, 3});
    std::tie(TimeLeft, TimeFrames) = std::make_pair(2, 23);
    EXPECT_TRUE(frame_ends(false).empty());
    EXPECT_EQ(std::make_pair(TimeLeft, TimeFrames), std::make_pair(2, 24));
    EXPECT_TRUE(frame_ends(false).empty());
    EXPECT_EQ(std::make_pair(TimeLeft, GameState), std::make_pair(1, std::string("gra")));
    TimeFrames = 24;
    EXPECT_EQ(kinds(frame_ends(false)), std::vector<rule_event_kind>{rule_event_kind::time_up});
    EXPECT_EQ(GameState + "/" + GameSubState, "init_game_over/init");

    // The last tile on the frame the time runs out still completes the level.
    deal({24});
    std::tie(TimeLeft, TimeFrames) = std::make_pair(1, 24);
    ASSERT_TRUE(tap_on_board(mid(4), mid(4)).at(0).last);
    rule_events end = frame_ends(true);
    ASSERT_EQ(kinds(end), std::vector<rule_event_kind>{rule_event_kind::level_cleared});
    EXPECT_FALSE(end[0].game_won);
    EXPECT_EQ(GameState + "/" + GameSubState, "gra/nextlevel");
    // The seconds left (none here) are the level's bonus.
    EXPECT_EQ(std::make_pair(Score, Level), std::make_pair(5, 2));

    // Clearing the twentieth level wins the game, with the seconds left as its bonus.
    deal({24});
    std::tie(Level, TimeLeft) = std::make_pair(20, 100);
    tap_on_board(mid(4), mid(4));
    end = frame_ends(true);
    EXPECT_TRUE(end.at(0).game_won);
    EXPECT_EQ(GameState, "init_koniec_gry");
    EXPECT_EQ(std::make_pair(Score, Level), std::make_pair(105, 21));
}

// A score at the edge of what a saved file may hold stops there instead of overflowing.
TEST(Rules, TheScoreStopsAtItsLimit) {
    deal({3, 4});
    Score = -ScoreLimit + 4;
    EXPECT_EQ(take_hint().size(), 1u);
    EXPECT_EQ(Score, -ScoreLimit);
    Score = ScoreLimit - 100;
    level_complete();
    EXPECT_EQ(Score, ScoreLimit);
    EXPECT_EQ(add_score(-7, 12), 5);
}
