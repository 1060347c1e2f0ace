// The rules of the board: offering tiles, taps, rockets, hints, the level clock and scoring.
#include "game/rules.h"

#include "platform/random.h"

void rule_events::add(rule_event_kind kind, int cell, int horizontal) {
    if (count < capacity)
        list[count++] = {kind, cell, horizontal};
}

static int random_direction() {
    return game_rand() % 2;
}
int (*rocket_direction)() = random_direction;

// The offered tile's place in TileList, or -1 when the pile is empty or TileCurrent is off it.
static int offered_index(const game_state& g) {
    if (g.TileLast < 0 || g.TileLast > LastCell || g.TileCurrent < 0 || g.TileCurrent > g.TileLast)
        return -1;
    return g.TileCurrent;
}

int32_t add_score(int32_t score, int32_t points) {
    int64_t sum = static_cast<int64_t>(score) + points;
    if (sum > ScoreLimit)
        return ScoreLimit;
    if (sum < -ScoreLimit)
        return -ScoreLimit;
    return static_cast<int32_t>(sum);
}

void wrap_tile(game_state& g) {
    if (g.TileCurrent < 0)
        g.TileCurrent = g.TileLast;
    else if (g.TileCurrent > g.TileLast)
        g.TileCurrent = 0;
}

void offer_previous_tile(game_state& g) {
    g.TileCurrent -= 1;
    wrap_tile(g);
}

void offer_next_tile(game_state& g) {
    g.TileCurrent += 1;
    wrap_tile(g);
}

void take_hint(game_state& g, rule_events& events) {
    int i = offered_index(g);
    // With nothing offered there is no home cell to point at, so the hint costs nothing either.
    if (i < 0 || g.TileList[i] < 0 || g.TileList[i] > LastCell)
        return;
    g.Score = add_score(g.Score, -HintPoints);
    events.add(rule_event_kind::hint_at, g.TileList[i]);
    g.HintActive = 1;
    g.TimeLeft -= HintSeconds;
}

// A tile that looks the same as the offered one counts as the offered one: the two swap places
// in the pile, so the tap places the tapped cell's own tile. The pile keeps every tile once.
static void take_twin_place(game_state& g, int offered, int cell) {
    int tile = g.TileList[offered];
    if (tile < 0 || tile > LastCell || !(g.TileTwins[tile] & (1u << cell)))
        return;
    for (int k = 0; k <= g.TileLast; k++)
        if (g.TileList[k] == cell) {
            g.TileList[k] = tile;
            g.TileList[offered] = cell;
            return;
        }
}

bool tap_on_board(game_state& g, int cell, rule_events& events) {
    if (cell < 0 || cell > LastCell || g.Board[cell] != 0)
        return false;
    int i = offered_index(g);
    if (i >= 0 && g.TileList[i] != cell)
        take_twin_place(g, i, cell);
    if (i >= 0 && g.TileList[i] == cell) {
        events.add(rule_event_kind::tile_placed, cell);
        g.Board[cell] = 1;
        if (g.TileCurrent == g.TileLast) {
            g.TileCurrent -= 1;
        } else {
            for (int k = g.TileCurrent; k < g.TileLast; k++)
                g.TileList[k] = g.TileList[k + 1];
        }
        g.TileLast -= 1;
        g.Score = add_score(g.Score, PlacePoints);
        return g.TileLast < 0;
    }
    // A miss: two rockets from the tapped cell, along its row or its column.
    int horizontal = rocket_direction();
    g.RocketMode = horizontal == 1 ? 1 : 2;
    events.add(rule_event_kind::rockets_launched, cell, horizontal == 1);
    return false;
}

void rocket_knock_out(game_state& g, const int (&cells)[2], rule_events& events) {
    if (g.RocketMode != 1 && g.RocketMode != 2)
        return;
    for (int cell : cells) {
        if (cell < 0 || cell > LastCell)
            continue;
        // A placed tile is never in the pile, so the pile always has room for it.
        if (g.Board[cell] == 1 && g.TileLast < LastCell) {
            events.add(rule_event_kind::tile_knocked_out, cell);
            g.TileLast += 1;
            g.TileList[g.TileLast] = cell;
            g.Score = add_score(g.Score, -KnockOutPoints);
        }
        g.Board[cell] = 0;
    }
}

void second_tick(game_state& g, int frames_per_second, rule_events& events) {
    g.TimeFrames += 1;
    if (g.TimeFrames >= frames_per_second) {
        g.TimeFrames = 0;
        g.TimeLeft -= 1;
    }
    if (g.TimeLeft < 1)
        events.add(rule_event_kind::time_up);
}

void level_complete(game_state& g, rule_events& events) {
    g.ContinueFlag = 0;
    g.Level += 1;
    g.Score = add_score(g.Score, g.TimeLeft);
    events.add(g.Level > Levels ? rule_event_kind::game_won : rule_event_kind::level_cleared);
}
