// cont.tll: the one saved game and the best score, and the two score lines.
#include "game/save.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <string>

#include "game/game_state.h"
#include "game/pictures.h"
#include "game/rules.h"
#include "platform/files.h"
#include "platform/host.h"
#include "res/media_folder.h"
#include "res/save_folder.h"
#include "text/font.h"
#include "video/units.h"

void (*save_game_before_rename)() = nullptr;

namespace {

// Every field of the file, in file order.
struct saved_game {
    int32_t time_left;
    int32_t best_score;
    int32_t tile_last;
    int32_t tile_current;
    int32_t level;
    int32_t score;
    int32_t picture_number;
    int32_t tile_list[Cells];
    int32_t shuffle_used[Cells];
    int32_t board[Cells];
    int32_t picture_used[Levels];
};

// Set when the save that closed a finished game failed: the file may still hold that game as it
// was left through the menu, and a finished game is never offered again.
bool EndedGameUnsaved;

// One decimal number as "%d" reads it (white space first, a sign, digits), but a number that does
// not fit 32 bits is a failure instead of undefined behaviour.
bool read_number(FILE* f, int32_t* out) {
    int c = std::fgetc(f);
    while (c != EOF && std::isspace(c))
        c = std::fgetc(f);
    bool negative = false;
    if (c == '-' || c == '+') {
        negative = c == '-';
        c = std::fgetc(f);
    }
    int64_t value = 0;
    int digits = 0;
    while (c != EOF && std::isdigit(c)) {
        value = value * 10 + (c - '0');
        if (value > 2147483648LL)
            return false;
        digits++;
        c = std::fgetc(f);
    }
    if (c != EOF)
        std::ungetc(c, f);
    if (digits == 0)
        return false;
    if (negative)
        value = -value;
    if (value > INT32_MAX || value < INT32_MIN)
        return false;
    *out = static_cast<int32_t>(value);
    return true;
}

bool read_numbers(FILE* f, int32_t* into, int count) {
    for (int i = 0; i < count; i++)
        if (!read_number(f, &into[i]))
            return false;
    return true;
}

// All 102 numbers; false when the file ends early or holds something that is not a number.
bool read_file(FILE* f, saved_game& g) {
    int32_t head[7];
    if (!read_numbers(f, head, 7))
        return false;
    g.time_left = head[0];
    g.best_score = head[1];
    g.tile_last = head[2];
    g.tile_current = head[3];
    g.level = head[4];
    g.score = head[5];
    g.picture_number = head[6];
    for (int i = 0; i < Cells; i++) {
        int32_t triple[3];
        if (!read_numbers(f, triple, 3))
            return false;
        g.tile_list[i] = triple[0];
        g.shuffle_used[i] = triple[1];
        g.board[i] = triple[2];
    }
    return read_numbers(f, g.picture_used, Levels);
}

bool is_flag(int32_t v) {
    return v == 0 || v == 1;
}

bool score_in_range(int32_t v) {
    return v >= -ScoreLimit && v <= ScoreLimit;
}

// A game that can be played on: time on the clock, every number in its range, and every tile
// either placed or in the pile, never both.
bool can_continue(const saved_game& g) {
    if (g.time_left < 1 || g.time_left > SecondsPerLevel)
        return false;
    if (!score_in_range(g.score) || !score_in_range(g.best_score))
        return false;
    if (g.level < 1 || g.level > Levels || g.picture_number < 0 || g.picture_number >= Levels)
        return false;
    if (g.tile_last < -1 || g.tile_last > LastCell)
        return false;
    // An empty pile has no tile to offer and no way to finish the level.
    if (g.tile_current < 0 || g.tile_current > g.tile_last)
        return false;
    int placed = 0;
    for (int i = 0; i < Cells; i++) {
        if (g.tile_list[i] < 0 || g.tile_list[i] > LastCell)
            return false;
        if (!is_flag(g.shuffle_used[i]) || !is_flag(g.board[i]))
            return false;
        placed += g.board[i];
    }
    for (int i = 0; i < Levels; i++)
        if (!is_flag(g.picture_used[i]))
            return false;
    bool listed[Cells] = {};
    for (int i = 0; i <= g.tile_last; i++) {
        int32_t cell = g.tile_list[i];
        if (listed[cell] || g.board[cell] == 1)
            return false;
        listed[cell] = true;
    }
    return placed + g.tile_last + 1 == Cells;
}

// Reads the whole file; sets *head_sound when the first two numbers read and the best score is
// one a game can reach.
bool read_saved_game(const std::string& path, saved_game& g, bool* head_sound,
                     bool say_not_regular = true) {
    *head_sound = false;
    std::string text, why;
    file_read got = read_regular_file(path, SaveFileLimit, &text, &why);
    if (got != file_read::done) {
        if ((got == file_read::not_regular || got == file_read::too_large) && say_not_regular)
            std::fprintf(stderr, "Couldn't read %s: %s\n", path.c_str(), why.c_str());
        return false;
    }
    FILE* f = text.empty() ? nullptr : fmemopen(&text[0], text.size(), "r");
    if (!f)
        return false;
    bool whole = read_numbers(f, &g.time_left, 1) && read_numbers(f, &g.best_score, 1);
    *head_sound = whole && score_in_range(g.best_score);
    if (whole) {
        std::rewind(f);
        whole = read_file(f, g);
    }
    std::fclose(f);
    return whole;
}

void append(std::string& text, int32_t value) {
    char number[16];
    std::snprintf(number, sizeof number, "%d ", value);
    text += number;
}

// The 102 numbers, each followed by one space, no line break. Without the best score, which any
// copy of the game may raise, they name the game itself.
std::string file_text(bool best_score = true) {
    std::string text;
    append(text, TimeLeft);
    if (best_score)
        append(text, BestScore);
    for (int32_t v : {TileLast, TileCurrent, Level, Score, PictureNumber})
        append(text, v);
    for (int i = 0; i < Cells; i++) {
        append(text, TileList[i]);
        append(text, ShuffleUsed[i]);
        append(text, Board[i]);
    }
    for (int i = 0; i < Levels; i++)
        append(text, PictureUsed[i]);
    return text;
}

// Another copy of the game, or a save this run could not make, may hold a higher best score
// than ours; the best score is only ever the highest seen.
void take_best_score(const saved_game& g, bool head_sound) {
    if (head_sound)
        BestScore = std::max(BestScore, g.best_score);
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
    saved_game g;
    bool head_sound = false;
    bool whole = read_saved_game(save_file_path(), g, &head_sound);
    take_best_score(g, head_sound);
    return whole && !EndedGameUnsaved && can_continue(g);
}

void load_game() {
    const std::string path = save_file_path();
    saved_game g;
    bool head_sound = false;
    if (!read_saved_game(path, g, &head_sound) || EndedGameUnsaved || !can_continue(g)) {
        std::fprintf(stderr, "No saved game to continue in %s\n", path.c_str());
        return;
    }
    TimeLeft = g.time_left;
    take_best_score(g, head_sound);
    TileLast = g.tile_last;
    TileCurrent = g.tile_current;
    Level = g.level;
    Score = g.score;
    PictureNumber = g.picture_number;
    for (int i = 0; i < Cells; i++) {
        TileList[i] = g.tile_list[i];
        ShuffleUsed[i] = g.shuffle_used[i];
        Board[i] = g.board[i];
    }
    for (int i = 0; i < Levels; i++)
        PictureUsed[i] = g.picture_used[i];
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
    saved_game on_disk;
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
        if (TimeLeft == 0)
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
    if (Score > BestScore)
        BestScore = Score;
}

static void draw_score_line(const char* label, int value) {
    SmallFont.DrawText(label, text_at(20, 250), 1);
    SmallFont.DrawText(int_to_text(value), text_at(110, 250), 1);
}

void draw_best_score() {
    draw_score_line("Best score:", BestScore);
}

void draw_your_score() {
    draw_score_line("Your score:", Score);
}

void draw_save_notice() {
    if (SaveNoticeFrames <= 0)
        return;
    SaveNoticeFrames--;
    // In the gap between the menu's panel and the best score, clear of the picture's tiles.
    SmallFont.DrawText("Could not save the game", text_centred(223), 1);
}
