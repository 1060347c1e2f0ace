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
    int32_t head[7] = {TimeLeft, BestScore, TileLast, TileCurrent, Level, Score, PictureNumber};
    std::memcpy(s.head, head, sizeof head);
    std::memcpy(s.tile_list, TileList, sizeof TileList);
    std::memcpy(s.shuffle_used, ShuffleUsed, sizeof ShuffleUsed);
    std::memcpy(s.board, Board, sizeof Board);
    std::memcpy(s.picture_used, PictureUsed, sizeof PictureUsed);
    return s;
}

void unset_all() {
    TimeLeft = BestScore = TileLast = TileCurrent = Level = Score = PictureNumber = Unset;
    for (int i = 0; i < 25; i++)
        TileList[i] = ShuffleUsed[i] = Board[i] = Unset;
    for (int i = 0; i < 20; i++)
        PictureUsed[i] = Unset;
}

bool is_flag(int32_t v) {
    return v == 0 || v == 1;
}

// What the play screen relies on when it resumes a level: everything indexes inside its array.
void check_playable() {
    FUZZ_CHECK(TimeLeft >= 1 && TimeLeft <= 230);
    FUZZ_CHECK(Level >= 1 && Level <= 20);
    FUZZ_CHECK(PictureNumber >= 0 && PictureNumber <= 19);
    FUZZ_CHECK(TileLast >= 0 && TileLast <= 24);
    FUZZ_CHECK(TileCurrent >= 0 && TileCurrent <= TileLast);
    int placed = 0;
    for (int i = 0; i < 25; i++) {
        FUZZ_CHECK(TileList[i] >= 0 && TileList[i] <= 24);
        FUZZ_CHECK(is_flag(ShuffleUsed[i]) && is_flag(Board[i]));
        placed += Board[i] == 1;
    }
    for (int i = 0; i < 20; i++)
        FUZZ_CHECK(is_flag(PictureUsed[i]));
    bool listed[25] = {};
    for (int i = 0; i <= TileLast && i < 25; i++) {
        int32_t cell = TileList[i];
        if (cell < 0 || cell > 24)
            continue;
        FUZZ_CHECK(!listed[cell] && Board[cell] == 0);
        listed[cell] = true;
    }
    FUZZ_CHECK(placed + TileLast + 1 == 25);
}

} // namespace

int fuzz_cont(const uint8_t* data, size_t size) {
    const std::string& folder = fuzz_folder();
    MediaPath = folder;
    SaveFolder = folder;
    fuzz_write(folder + "cont.tll", data, size);

    unset_all();
    bool exists = saved_game_exists();
    int32_t best = BestScore;
    unset_all();
    snapshot before = take();
    load_game();
    snapshot loaded = take();
    bool changed = !(loaded == before);
    // All or nothing: a game that can be continued loads whole, anything else changes nothing.
    FUZZ_CHECK(changed == exists);
    if (!exists)
        return 0;
    FUZZ_CHECK(BestScore == best);
    check_playable();

    // What the game saves from a loaded game reads back as the same game.
    save_game();
    unset_all();
    FUZZ_CHECK(saved_game_exists());
    FUZZ_CHECK(BestScore == best);
    unset_all();
    load_game();
    FUZZ_CHECK(take() == loaded);
    return 0;
}
