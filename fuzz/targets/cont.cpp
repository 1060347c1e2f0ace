// Fuzz target: cont.tll, the saved game and best score, read, checked, saved and read again.
#include <cstring>
#include <string>

#include "app/startup.h"
#include "fuzz_support.h"
#include "game/game_state.h"
#include "game/save.h"

namespace {

const int32_t Unset = -123456789;

struct snapshot {
    int32_t head[7];
    int32_t tile_list[25], shuffle_used[25], board[25], picture_used[20];
    bool operator==(const snapshot& o) const { return std::memcmp(this, &o, sizeof o) == 0; }
};

snapshot take() {
    snapshot s;
    int32_t head[7] = {Game.TimeLeft, Game.BestScore, Game.TileLast,     Game.TileCurrent,
                       Game.Level,    Game.Score,     Game.PictureNumber};
    std::memcpy(s.head, head, sizeof head);
    std::memcpy(s.tile_list, Game.TileList, sizeof Game.TileList);
    std::memcpy(s.shuffle_used, Game.ShuffleUsed, sizeof Game.ShuffleUsed);
    std::memcpy(s.board, Game.Board, sizeof Game.Board);
    std::memcpy(s.picture_used, Game.PictureUsed, sizeof Game.PictureUsed);
    return s;
}

void unset_all() {
    Game.TimeLeft = Game.BestScore = Game.TileLast = Game.TileCurrent = Game.Level = Game.Score =
        Game.PictureNumber = Unset;
    for (int i = 0; i < 25; i++)
        Game.TileList[i] = Game.ShuffleUsed[i] = Game.Board[i] = Unset;
    for (int i = 0; i < 20; i++)
        Game.PictureUsed[i] = Unset;
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
    snapshot before = take();
    load_game();
    snapshot loaded = take();
    bool changed = !(loaded == before);
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
    FUZZ_CHECK(take() == loaded);
    return 0;
}
