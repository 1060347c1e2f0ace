// The board rules on a game state value, without a screen: offering tiles, right and wrong taps,
// rockets, hints, time.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "game/game_state.h"
#include "game/rules.h"
#include "video/board_geometry.h"

namespace {

using cells = std::vector<int>;

// A level with the pile in the given order and every other cell placed.
game_state deal(const cells& pile) {
    game_state g{};
    std::fill(g.Board, g.Board + Cells, 1);
    for (size_t i = 0; i < pile.size(); i++) {
        g.TileList[i] = pile[i];
        g.Board[pile[i]] = 0;
    }
    g.TileLast = static_cast<int>(pile.size()) - 1;
    std::tie(g.TimeLeft, g.Level) = std::make_pair(SecondsPerLevel, 1);
    return g;
}

cells pile(const game_state& g) {
    return cells(g.TileList, g.TileList + g.TileLast + 1);
}

// Every cell is either placed or in the pile, never both.
void expect_invariant(const game_state& g) {
    cells seen(Cells, 0);
    for (int cell : pile(g))
        seen.at(cell)++;
    for (int c = 0; c < Cells; c++)
        EXPECT_EQ(seen[c] + g.Board[c], 1) << "cell " << c;
}

// The events of one move, as words: "placed 12", "rockets 12 row", "knocked 13", ...
std::string said(const rule_events& events) {
    // In the order of rule_event_kind.
    const char* const names[] = {"placed",  "rockets", "knocked", "hint",
                                 "cleared", "won",     "time up"};
    std::string words;
    for (int k = 0; k < events.count; k++) {
        const rule_event& e = events.list[k];
        words += names[static_cast<int>(e.kind)];
        if (e.cell >= 0)
            words += " " + std::to_string(e.cell);
        if (e.kind == rule_event_kind::rockets_launched)
            words += e.horizontal ? " row" : " column";
        words += k + 1 < events.count ? ", " : "";
    }
    return words;
}

// What a move did to g: its events, and for a tap whether it cleared the level.
std::pair<std::string, bool> tap(game_state& g, int cell) {
    rule_events events;
    bool complete = tap_on_board(g, cell, events);
    return {said(events), complete};
}
template <typename Move> std::string move(game_state& g, Move m) {
    rule_events events;
    m(g, events);
    return said(events);
}

struct RulesTest : ::testing::Test {
    void TearDown() override { rocket_direction = RandomDirection; }
    int (*const RandomDirection)() = rocket_direction;
};

} // namespace

// Stepping through the pile is the play screen's test; here what a right tap leaves offered.
TEST_F(RulesTest, RightTapsRemoveTheOfferedTile) {
    game_state g = deal({3, 8, 1, 20});
    g.TileCurrent = 1;
    // A middle entry: the tile that followed it is offered next.
    EXPECT_EQ(tap(g, 8), std::make_pair(std::string("placed 8"), false));
    EXPECT_EQ(pile(g), (cells{3, 1, 20}));
    EXPECT_EQ(std::make_pair(g.TileCurrent, g.Score), std::make_pair(1, 5));
    // The last entry: the one before it is offered next.
    g.TileCurrent = 2;
    EXPECT_EQ(tap(g, 20), std::make_pair(std::string("placed 20"), false));
    EXPECT_EQ(pile(g), (cells{3, 1}));
    EXPECT_EQ(g.TileCurrent, 1);
    expect_invariant(g);
    // A tap on a placed cell, or off the board, neither scores nor fires.
    for (int cell : {6, -1, Cells})
        EXPECT_EQ(tap(g, cell), std::make_pair(std::string(), false));
    EXPECT_EQ(std::make_pair(g.Score, g.RocketMode), std::make_pair(10, 0));

    // The one tile left: placing it completes the level and leaves nothing offered.
    g = deal({12});
    EXPECT_EQ(tap(g, 12), std::make_pair(std::string("placed 12"), true));
    EXPECT_EQ(std::make_pair(g.TileLast, g.TileCurrent), std::make_pair(-1, -1));
    // A hint has no cell to mark then and costs nothing.
    EXPECT_EQ(move(g, take_hint), "");
    EXPECT_EQ(std::make_pair(g.Score, g.TimeLeft), std::make_pair(5, SecondsPerLevel));
}

// A miss launches the rockets from the tapped cell; each placed tile under a rocket goes back to
// the pile at -5 in the order the rockets name them, and nothing else moves.
TEST_F(RulesTest, RocketsKnockOutWhatIsPlacedUnderThem) {
    game_state g = deal({0, 11, 12});
    int offered = g.TileList[g.TileCurrent];
    // Without rockets in flight nothing is knocked out.
    EXPECT_EQ(move(g, [](game_state& s, rule_events& e) { rocket_knock_out(s, {13, 10}, e); }), "");
    for (int horizontal : {1, 0}) {
        rocket_direction = horizontal ? +[] { return 1; } : +[] { return 0; };
        EXPECT_EQ(tap(g, 12).first, horizontal ? "rockets 12 row" : "rockets 12 column");
        EXPECT_EQ(g.RocketMode, horizontal ? 1 : 2);
    }
    // Cells under the rockets: a placed one, one off the board, an empty one, two placed at once.
    const int under[][2] = {{13, -1}, {11, 12}, {10, 14}};
    std::string knocked;
    for (const auto& cells_under : under)
        knocked +=
            move(g, [&](game_state& s, rule_events& e) { rocket_knock_out(s, cells_under, e); }) +
            ";";
    EXPECT_EQ(knocked, "knocked 13;;knocked 10, knocked 14;");
    EXPECT_EQ(pile(g), (cells{0, 11, 12, 13, 10, 14}));
    // The miss itself is free; the offer stays.
    EXPECT_EQ(std::make_pair(g.Score, g.TileList[g.TileCurrent]), std::make_pair(-15, offered));
    expect_invariant(g);
}

TEST_F(RulesTest, HintsAndTheClock) {
    // A hint marks the offered tile's home cell.
    game_state g = deal({17, 3});
    EXPECT_EQ(move(g, take_hint), "hint 17");
    EXPECT_EQ(g.HintActive, 1);
    EXPECT_EQ(std::make_pair(g.Score, g.TimeLeft), std::make_pair(-10, 223));

    // The last tile on the frame the time runs out still completes the level.
    g = deal({24});
    std::tie(g.TimeLeft, g.TimeFrames) = std::make_pair(1, 24);
    auto tick = [](game_state& s, rule_events& e) { second_tick(s, 25, e); };
    EXPECT_EQ(tap(g, 24), std::make_pair(std::string("placed 24"), true));
    EXPECT_EQ(move(g, tick), "time up");
    EXPECT_EQ(std::make_pair(g.TimeLeft, g.TimeFrames), std::make_pair(0, 0));
    EXPECT_EQ(move(g, level_complete), "cleared");
    EXPECT_EQ(std::make_pair(g.Score, g.Level), std::make_pair(5, 2));
    // The twentieth level cleared wins the game.
    g.Level = Levels;
    EXPECT_EQ(move(g, level_complete), "won");

    // A score at the edge of what a saved file may hold stops there instead of overflowing.
    g = deal({3, 4}); // the level's whole time on the clock
    g.Score = ScoreLimit - 100;
    move(g, level_complete);
    EXPECT_EQ(g.Score, ScoreLimit);
    g.Score = -ScoreLimit + 4;
    move(g, take_hint);
    EXPECT_EQ(g.Score, -ScoreLimit);
}
