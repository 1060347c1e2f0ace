// cont.tll: the one saved game and the best score, and the two score lines.
#include "game/save.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "game/game_state.h"
#include "game/pictures.h"
#include "game/rules.h"
#include "platform/files.h"
#include "platform/host.h"
#include "platform/numbers.h"
#include "res/media_folder.h"
#include "res/save_folder.h"
#include "text/font.h"
#include "video/units.h"

void (*save_game_before_rename)() = nullptr;

namespace {

// Every number of the file, in file order, as a field of the game state: seven single numbers,
// then three for each cell, then the pictures' flags. The writer and the reader both walk it.
// Without the best score, which any copy of the game may raise, the numbers name the game itself.
template <typename State, typename Each>
void each_saved_number(State& g, bool best_score, Each each) {
    each(g.TimeLeft);
    if (best_score)
        each(g.BestScore);
    for (auto* v : {&g.TileLast, &g.TileCurrent, &g.Level, &g.Score, &g.PictureNumber})
        each(*v);
    for (int i = 0; i < Cells; i++) {
        each(g.TileList[i]);
        each(g.ShuffleUsed[i]);
        each(g.Board[i]);
    }
    for (auto& v : g.PictureUsed)
        each(v);
}

// Set when the save that closed a finished game failed: the file may still hold that game as it
// was left through the menu, and a finished game is never offered again.
bool EndedGameUnsaved;

// The next number; false at the end of the text, at anything that is not a number, and at a
// number that does not fit 32 bits.
bool read_number(number_reader& in, int32_t* out) {
    return in.next_int(out) == number_read::done;
}

// All 102 numbers; false when the file ends early or holds something that is not a number.
bool read_file(number_reader& in, game_state& g) {
    bool whole = true;
    each_saved_number(g, true, [&](int32_t& v) { whole = whole && read_number(in, &v); });
    return whole;
}

bool is_flag(int32_t v) {
    return v == 0 || v == 1;
}

bool score_in_range(int32_t v) {
    return v >= -ScoreLimit && v <= ScoreLimit;
}

// A game that can be played on: time on the clock, every number in its range, and every tile
// either placed or in the pile, never both.
bool can_continue(const game_state& g) {
    if (g.TimeLeft < 1 || g.TimeLeft > SecondsPerLevel)
        return false;
    if (!score_in_range(g.Score) || !score_in_range(g.BestScore))
        return false;
    if (g.Level < 1 || g.Level > Levels || g.PictureNumber < 0 || g.PictureNumber >= Levels)
        return false;
    if (g.TileLast < -1 || g.TileLast > LastCell)
        return false;
    // An empty pile has no tile to offer and no way to finish the level.
    if (g.TileCurrent < 0 || g.TileCurrent > g.TileLast)
        return false;
    int placed = 0;
    for (int i = 0; i < Cells; i++) {
        if (g.TileList[i] < 0 || g.TileList[i] > LastCell)
            return false;
        if (!is_flag(g.ShuffleUsed[i]) || !is_flag(g.Board[i]))
            return false;
        placed += g.Board[i];
    }
    for (int i = 0; i < Levels; i++)
        if (!is_flag(g.PictureUsed[i]))
            return false;
    bool listed[Cells] = {};
    for (int i = 0; i <= g.TileLast; i++) {
        int32_t cell = g.TileList[i];
        if (listed[cell] || g.Board[cell] == 1)
            return false;
        listed[cell] = true;
    }
    return placed + g.TileLast + 1 == Cells;
}

// Reads the whole file; sets *head_sound when the first two numbers read and the best score is
// one a game can reach.
bool read_saved_game(const std::string& path, game_state& g, bool* head_sound,
                     bool say_not_regular = true) {
    *head_sound = false;
    std::string text, why;
    file_read got = read_regular_file(path, SaveFileLimit, &text, &why);
    if (got != file_read::done) {
        if ((got == file_read::not_regular || got == file_read::too_large) && say_not_regular)
            std::fprintf(stderr, "Couldn't read %s: %s\n", path.c_str(), why.c_str());
        return false;
    }
    number_reader in(text);
    bool whole = read_number(in, &g.TimeLeft) && read_number(in, &g.BestScore);
    *head_sound = whole && score_in_range(g.BestScore);
    if (whole) {
        in.at = 0;
        whole = read_file(in, g);
    }
    return whole;
}

void append(std::string& text, int32_t value) {
    char number[16];
    std::snprintf(number, sizeof number, "%d ", value);
    text += number;
}

// The 102 numbers, each followed by one space, no line break.
std::string file_text(bool best_score = true) {
    std::string text;
    each_saved_number(Game, best_score, [&](int32_t v) { append(text, v); });
    return text;
}

// Another copy of the game, or a save this run could not make, may hold a higher best score
// than ours; the best score is only ever the highest seen.
void take_best_score(const game_state& g, bool head_sound) {
    if (head_sound)
        Game.BestScore = std::max(Game.BestScore, g.BestScore);
}

} // namespace

int SaveNoticeFrames;

std::string save_file_path() {
    DataFilePath = SaveFolder + "cont.tll";
    return DataFilePath;
}

std::string pictures_file_path() {
    return SaveFolder + "cont.pictures";
}

bool saved_game_exists() {
    game_state g{};
    bool head_sound = false;
    bool whole = read_saved_game(save_file_path(), g, &head_sound);
    take_best_score(g, head_sound);
    return whole && !EndedGameUnsaved && can_continue(g);
}

void load_game() {
    const std::string path = save_file_path();
    // What the file does not hold (the clock's frames, the rockets, the hint) stays as it is.
    game_state g = Game;
    bool head_sound = false;
    if (!read_saved_game(path, g, &head_sound) || EndedGameUnsaved || !can_continue(g)) {
        std::fprintf(stderr, "No saved game to continue in %s\n", path.c_str());
        return;
    }
    int32_t best = Game.BestScore;
    Game = g;
    Game.BestScore = best;
    take_best_score(g, head_sound);
    // The player's pictures of this game, when the file beside it belongs to it; a game saved
    // without one plays the built-in pictures.
    std::string pictures;
    if (read_regular_file(pictures_file_path(), 64 * 1024, &pictures) != file_read::done)
        pictures.clear();
    read_game_pictures(pictures, file_text(false));
}

bool save_game() {
    // The new file is written whole beside the old one and then renamed over it, so a crash, a
    // kill or a full disk during the save leaves the previous file and its best score intact.
    // Copies of the game on one folder take turns; under the lock the best score on disk, which
    // another copy may have raised, is kept when it is higher than ours.
    const std::string path = save_file_path();
    make_save_folder(SaveFolder); // the player's data folder may not exist before the first save
    file_lock lock(path);
    // A save killed between making its temporary file and the rename left that file behind;
    // under the lock no save of another copy is writing one, and a minute is far beyond any save.
    if (lock.held())
        remove_stale_temporaries(path, 60);
    game_state on_disk{};
    bool head_sound = false;
    read_saved_game(path, on_disk, &head_sound, false); // the failed save says it
    take_best_score(on_disk, head_sound);
    std::string why;
    // The game's pictures first, tied to the game's numbers, so that a save cut short between the
    // two files leaves a pictures file that the older game does not take.
    bool saved = true;
    if (game_has_player_pictures())
        saved = replace_file(pictures_file_path(), game_pictures_text(file_text(false)), &why);
    else
        std::remove(pictures_file_path().c_str());
    saved = saved && replace_file(path, file_text(), &why, save_game_before_rename);
    if (!saved) {
        std::fprintf(stderr, "Couldn't save %s: %s\n", path.c_str(), why.c_str());
        SaveNoticeFrames = 4 * FramesPerSecond;
        if (Game.TimeLeft == 0)
            EndedGameUnsaved = true;
        return false;
    }
    if (!lock.held())
        std::fprintf(stderr, "Saved %s without its lock: %s\n", path.c_str(), lock.why().c_str());
    EndedGameUnsaved = false;
    saved_game_written();
    return true;
}

void update_best_score() {
    if (Game.Score > Game.BestScore)
        Game.BestScore = Game.Score;
}

static void draw_score_line(const char* label, int value) {
    SmallFont.DrawText(label, text_at(20, 250), 1);
    SmallFont.DrawText(int_to_text(value), text_at(110, 250), 1);
}

void draw_best_score() {
    draw_score_line("Best score:", Game.BestScore);
}

void draw_your_score() {
    draw_score_line("Your score:", Game.Score);
}

void draw_save_notice() {
    if (SaveNoticeFrames <= 0)
        return;
    SaveNoticeFrames--;
    // In the gap between the menu's panel and the best score, clear of the picture's tiles.
    SmallFont.DrawText("Could not save the game", text_centred(223), 1);
}
