// The rules of the board: offering tiles, taps, rockets, hints, the level clock and scoring.
#include "game/rules.h"

#include "game/game_state.h"
#include "game/level_stats.h"
#include "game/twins.h"
#include "platform/random.h"
#include "video/board_geometry.h"
#include "video/units.h"

void rule_events::add(rule_event_kind kind, int cell, int x, int y, int horizontal) {
    if (count < capacity)
        list[count++] = {kind, cell, x, y, horizontal};
}

static int random_direction() {
    return game_rand() % 2;
}
int (*rocket_direction)() = random_direction;

// The offered tile's place in TileList, or -1 when the pile is empty or TileCurrent is off it.
static int offered_index() {
    if (TileLast < 0 || TileLast > LastCell || TileCurrent < 0 || TileCurrent > TileLast)
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

void take_hint(rule_events& events) {
    int i = offered_index();
    // With nothing offered there is no home cell to point at, so the hint costs nothing either.
    if (i < 0 || TileList[i] < 0 || TileList[i] > LastCell)
        return;
    Score = add_score(Score, -HintPoints);
    int v = TileList[i];
    int row = v / BoardCells;
    int column = v % BoardCells;
    events.add(rule_event_kind::hint_at, v, column * cell_size() + board_edge(),
               row * cell_size() + board_edge());
    HintActive = 1;
    TimeLeft -= HintSeconds;
    stats_hint();
}

// Two rockets from the middle of the tapped cell, along its row or its column.
static void launch_rockets(int column, int row, rule_events& events) {
    stats_miss();
    int horizontal = rocket_direction();
    // The middle of the cell, its half cell cut to whole layout units before scaling.
    const int middle = CellUnits / 2;
    int x0 = (CellUnits * column + middle) * Scale + board_edge();
    int y0 = (CellUnits * row + middle) * Scale + board_edge();
    for (rocket_position& rocket : Rockets)
        rocket = {x0, y0};
    RocketMode = horizontal == 1 ? 1 : 2;
    events.add(rule_event_kind::rockets_launched, cell_at(column, row), x0, y0, horizontal == 1);
}

// A tile that looks the same as the offered one counts as the offered one: the two swap places
// in the pile, so the tap places the tapped cell's own tile. The pile keeps every tile once.
static void take_twin_place(int offered, int cell) {
    int tile = TileList[offered];
    if (tile < 0 || tile > LastCell || !(TileTwins[tile] & (1u << cell)))
        return;
    for (int k = 0; k <= TileLast; k++)
        if (TileList[k] == cell) {
            TileList[k] = tile;
            TileList[offered] = cell;
            return;
        }
}

bool tap_on_board(int px, int py, rule_events& events) {
    int column = 0;
    int row = 0;
    if (!cell_under(px, py, &column, &row))
        return false;
    int cell = cell_at(column, row);
    if (Board[cell] != 0)
        return false;
    int i = offered_index();
    if (i >= 0 && TileList[i] != cell)
        take_twin_place(i, cell);
    if (i >= 0 && TileList[i] == cell) {
        events.add(rule_event_kind::tile_placed, cell);
        Board[cell] = 1;
        if (TileCurrent == TileLast) {
            TileCurrent -= 1;
        } else {
            for (int k = TileCurrent; k < TileLast; k++)
                TileList[k] = TileList[k + 1];
        }
        TileLast -= 1;
        Score = add_score(Score, PlacePoints);
        stats_tile_placed();
        return TileLast < 0;
    }
    launch_rockets(column, row, events);
    return false;
}

void rocket_move() {
    if (RocketMode != 1 && RocketMode != 2)
        return;
    int frames = FramesPerSecond > 0 ? FramesPerSecond : 25;
    int step = 240 * Scale / frames;
    if (RocketMode == 1) {
        Rockets[0].x -= step;
        Rockets[1].x += step;
    } else {
        Rockets[0].y -= step;
        Rockets[1].y += step;
    }
}

void rocket_knock_out(rule_events& events) {
    if (RocketMode != 1 && RocketMode != 2)
        return;
    for (const rocket_position& rocket : Rockets) {
        int column = 0;
        int row = 0;
        if (!cell_under(rocket.x, rocket.y, &column, &row))
            continue;
        int cell = cell_at(column, row);
        // A placed tile is never in the pile, so the pile always has room for it.
        if (Board[cell] == 1 && TileLast < LastCell) {
            events.add(rule_event_kind::tile_knocked_out, cell);
            TileLast += 1;
            TileList[TileLast] = cell;
            Score = add_score(Score, -KnockOutPoints);
        }
        Board[cell] = 0;
    }
}

void second_tick(rule_events& events) {
    TimeFrames += 1;
    if (TimeFrames >= FramesPerSecond) {
        TimeFrames = 0;
        TimeLeft -= 1;
    }
    if (TimeLeft < 1)
        events.add(rule_event_kind::time_up);
}

void level_complete(rule_events& events) {
    ContinueFlag = 0;
    Level += 1;
    Score = add_score(Score, TimeLeft);
    events.add(Level > Levels ? rule_event_kind::game_won : rule_event_kind::level_cleared);
}
