// The game state value the program plays, and its hash for recordings.
#include "game/game_state.h"

game_state Game;

// The frame loop runs while it is set; any screen may end the program by clearing it.
unsigned char GameRunning;

uint64_t fnv(uint64_t h, const void* data, size_t size) {
    const unsigned char* p = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; i++) {
        h ^= p[i];
        h *= 1099511628211ull;
    }
    return h;
}

uint64_t hash_game_state(uint64_t h, const game_state& g) {
    // The order recordings were first hashed in: the single numbers, then the tables.
    const int32_t singles[] = {g.TileLast,     g.TileCurrent,   g.Score,      g.TimeLeft,
                               g.TimeFrames,   g.RocketMode,    g.HintActive, g.Level,
                               g.ContinueFlag, g.PictureNumber, g.WaitFrames, g.BestScore};
    h = fnv(h, singles, sizeof singles);
    h = fnv(h, g.Board, sizeof g.Board);
    h = fnv(h, g.TileList, sizeof g.TileList);
    h = fnv(h, g.PictureUsed, sizeof g.PictureUsed);
    return fnv(h, g.ShuffleUsed, sizeof g.ShuffleUsed);
}
