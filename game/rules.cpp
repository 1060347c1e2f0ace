// The rules of the board: offering tiles, taps, rockets, hints, the level clock and scoring.
#include "game/rules.h"

#include <cstdlib>

#include "game/game_state.h"
#include "game/level_stats.h"
#include "game/states.h"
#include "game/twins.h"
#include "platform/random.h"
#include "video/board_geometry.h"
#include "video/units.h"

// The offered tile's place in TileList, or -1 when the pile is empty or TileCurrent is off it.
static int offered_index() {
    if (TileLast < 0 || TileLast > 24 || TileCurrent < 0 || TileCurrent > TileLast)
        return -1;
    return TileCurrent;
}

int32_t add_score(int32_t score, int32_t points) {
    int64_t sum = static_cast<int64_t>(score) + points;
    if (sum > ScoreLimit)
        return ScoreLimit;
    if (sum < -ScoreLimit)
        return -ScoreLimit;
    return static_cast<int32_t>(sum);
}

bool in_rect(int px, int py, int x, int y, int w, int h) {
    return x < px && px < x + w && y < py && py < y + h;
}

bool cell_under(int px, int py, int* column, int* row) {
    float scale = static_cast<float>(Scale);
    float cell = static_cast<float>(CellUnits) * scale;
    float fc = (static_cast<float>(px) - BoardEdgeUnits * scale) / cell;
    float fr = (static_cast<float>(py) - BoardEdgeUnits * scale) / cell;
    // Decide on the float first so a point far off the board never overflows the conversion.
    const float cells = static_cast<float>(BoardCells);
    if (!(fc > -1.0f && fc < cells && fr > -1.0f && fr < cells))
        return false;
    *column = static_cast<int>(fc);
    *row = static_cast<int>(fr);
    return true;
}

void wrap_tile() {
    if (TileCurrent < 0)
        TileCurrent = TileLast;
    else if (TileCurrent > TileLast)
        TileCurrent = 0;
}

void offer_previous_tile() {
    TileCurrent -= 1;
    wrap_tile();
}

void offer_next_tile() {
    TileCurrent += 1;
    wrap_tile();
}

bool random_rocket_line() {
    return game_rand() % 2 == 1;
}

rocket_line_choice choose_rocket_line = random_rocket_line;

rule_events take_hint() {
    int i = offered_index();
    // With nothing offered there is no home cell to point at, so the hint costs nothing either.
    if (i < 0 || TileList[i] < 0 || TileList[i] > 24)
        return {};
    Score = add_score(Score, -10);
    rule_event hint{rule_event_kind::hint_at};
    hint.cell = TileList[i];
    HintActive = 1;
    TimeLeft -= 7;
    stats_hint();
    return {hint};
}

// Two rockets from the middle of the tapped cell, along its row or its column.
static rule_event launch_rockets(int column, int row) {
    stats_miss();
    rule_event launch{rule_event_kind::rockets_launched};
    launch.along_row = choose_rocket_line();
    // The middle of the cell, its half cell cut to whole layout units before scaling.
    const int middle = CellUnits / 2;
    launch.x = (CellUnits * column + middle) * Scale + board_edge();
    launch.y = (CellUnits * row + middle) * Scale + board_edge();
    for (int r = 0; r < 2; r++) {
        RocketX[r] = launch.x;
        RocketY[r] = launch.y;
    }
    RocketMode = launch.along_row ? 1 : 2;
    return launch;
}

// A tile that looks the same as the offered one counts as the offered one: the two swap places
// in the pile, so the tap places the tapped cell's own tile. The pile keeps every tile once.
static void take_twin_place(int offered, int cell) {
    int tile = TileList[offered];
    if (tile < 0 || tile > 24 || !(TileTwins[tile] & (1u << cell)))
        return;
    for (int k = 0; k <= TileLast; k++)
        if (TileList[k] == cell) {
            TileList[k] = tile;
            TileList[offered] = cell;
            return;
        }
}

rule_events tap_on_board(int px, int py) {
    int column = 0;
    int row = 0;
    if (!cell_under(px, py, &column, &row))
        return {};
    int cell = row * 5 + column;
    if (Board[cell] != 0)
        return {};
    int i = offered_index();
    if (i >= 0 && TileList[i] != cell)
        take_twin_place(i, cell);
    if (i >= 0 && TileList[i] == cell) {
        Board[cell] = 1;
        if (TileCurrent == TileLast) {
            TileCurrent -= 1;
        } else {
            for (int k = TileCurrent; k < TileLast; k++)
                TileList[k] = TileList[k + 1];
        }
        TileLast -= 1;
        Score = add_score(Score, 5);
        stats_tile_placed();
        rule_event placed{rule_event_kind::tile_placed};
        placed.cell = cell;
        placed.last = TileLast < 0;
        return {placed};
    }
    return {launch_rockets(column, row)};
}

void rocket_move() {
    if (RocketMode != 1 && RocketMode != 2)
        return;
    int frames = FramesPerSecond > 0 ? FramesPerSecond : 25;
    int step = 240 * Scale / frames;
    if (RocketMode == 1) {
        RocketX[0] -= step;
        RocketX[1] += step;
    } else {
        RocketY[0] -= step;
        RocketY[1] += step;
    }
}

rule_events rocket_knock_out() {
    rule_events out;
    if (RocketMode != 1 && RocketMode != 2)
        return out;
    for (int r = 0; r < 2; r++) {
        int column = 0;
        int row = 0;
        if (!cell_under(RocketX[r], RocketY[r], &column, &row))
            continue;
        int cell = row * 5 + column;
        // A placed tile is never in the pile, so the pile always has room for it.
        if (Board[cell] == 1 && TileLast < 24) {
            rule_event knocked{rule_event_kind::tile_knocked_out};
            knocked.cell = cell;
            out.push_back(knocked);
            TileLast += 1;
            TileList[TileLast] = cell;
            Score = add_score(Score, -5);
        }
        Board[cell] = 0;
    }
    return out;
}

void second_tick() {
    TimeFrames += 1;
    if (TimeFrames >= FramesPerSecond) {
        TimeFrames = 0;
        TimeLeft -= 1;
    }
    if (TimeLeft < 1) {
        GameState = states::init_game_over;
        GameSubState = phases::init;
    }
}

void level_complete() {
    ContinueFlag = 0;
    Level += 1;
    Score = add_score(Score, TimeLeft);
    if (Level >= 21) {
        GameState = states::init_koniec_gry;
        GameSubState = phases::init;
    } else {
        // The last tile went down before the clock ticked, so a second running out on the same
        // frame does not turn a completed level into a lost game.
        GameState = states::gra;
        GameSubState = phases::nextlevel;
    }
}

rule_events frame_ends(bool last_tile_placed) {
    second_tick();
    if (last_tile_placed) {
        level_complete();
        stats_level_ends("cleared");
        rule_event cleared{rule_event_kind::level_cleared};
        cleared.game_won = GameState == states::init_koniec_gry;
        return {cleared};
    }
    if (GameState == states::init_game_over) {
        stats_level_ends("time up");
        return {rule_event{rule_event_kind::time_up}};
    }
    return {};
}
