// Fuzz target: cont.tll, the saved game and best score, read, checked, saved and read again.
#include <algorithm>
#include <cstring>
#include <string>

#include "app/startup.h"
#include "fuzz_support.h"
#include "game/game_state.h"
#include "game/save.h"

namespace {

const int32_t Unset = -123456789;

// Every number of the state to Unset, so whatever a load changes shows.
void unset_all() {
    static_assert(sizeof(game_state) % sizeof(int32_t) == 0, "the state is all numbers");
    std::fill_n(reinterpret_cast<int32_t*>(&Game), sizeof Game / sizeof(int32_t), Unset);
}

bool same(const game_state& a, const game_state& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool is_flag(int32_t v) {
    return v == 0 || v == 1;
}

// What the play screen relies on when it resumes a level: everything indexes inside its array.
void check_playable() {
    FUZZ_CHECK(Game.TimeLeft >= 1 && Game.TimeLeft <= 230);
    FUZZ_CHECK(Game.Level >= 1 && Game.Level <= 20);
    FUZZ_CHECK(Game.PictureNumber >= 0 && Game.PictureNumber <= 19);
    FUZZ_CHECK(Game.TileLast >= 0 && Game.TileLast <= 24);
    FUZZ_CHECK(Game.TileCurrent >= 0 && Game.TileCurrent <= Game.TileLast);
    int placed = 0;
    for (int i = 0; i < 25; i++) {
        FUZZ_CHECK(Game.TileList[i] >= 0 && Game.TileList[i] <= 24);
        FUZZ_CHECK(is_flag(Game.ShuffleUsed[i]) && is_flag(Game.Board[i]));
        placed += Game.Board[i] == 1;
    }
    for (int i = 0; i < 20; i++)
        FUZZ_CHECK(is_flag(Game.PictureUsed[i]));
    bool listed[25] = {};
    for (int i = 0; i <= Game.TileLast && i < 25; i++) {
        int32_t cell = Game.TileList[i];
        if (cell < 0 || cell > 24)
            continue;
        FUZZ_CHECK(!listed[cell] && Game.Board[cell] == 0);
        listed[cell] = true;
    }
    FUZZ_CHECK(placed + Game.TileLast + 1 == 25);
}

} // namespace

int fuzz_cont(const uint8_t* data, size_t size) {
    const std::string& folder = fuzz_folder();
    MediaPath = folder;
    SaveFolder = folder;
    fuzz_write(folder + "cont.tll", data, size);

    unset_all();
    bool exists = saved_game_exists();
    int32_t best = Game.BestScore;
    unset_all();
    const game_state before = Game;
    load_game();
    const game_state loaded = Game;
    bool changed = !same(loaded, before);
    // All or nothing: a game that can be continued loads whole, anything else changes nothing.
    FUZZ_CHECK(changed == exists);
    if (!exists)
        return 0;
    FUZZ_CHECK(Game.BestScore == best);
    check_playable();

    // What the game saves from a loaded game reads back as the same game.
    save_game();
    unset_all();
    FUZZ_CHECK(saved_game_exists());
    FUZZ_CHECK(Game.BestScore == best);
    unset_all();
    load_game();
    FUZZ_CHECK(same(Game, loaded));
    return 0;
}
