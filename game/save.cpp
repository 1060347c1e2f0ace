// cont.tll: the one saved game and the best score, and the two score lines.
#include "game/save.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>

#include "platform/host.h"
#include "game/game_state.h"
#include "res/media_folder.h"
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
    int32_t tile_list[25];
    int32_t shuffle_used[25];
    int32_t board[25];
    int32_t picture_used[20];
};

const std::string& save_path() {
    DataFilePath = saved_game_folder(MediaPath) + "cont.tll";
    return DataFilePath;
}

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
    for (int i = 0; i < 25; i++) {
        int32_t triple[3];
        if (!read_numbers(f, triple, 3))
            return false;
        g.tile_list[i] = triple[0];
        g.shuffle_used[i] = triple[1];
        g.board[i] = triple[2];
    }
    return read_numbers(f, g.picture_used, 20);
}

bool is_flag(int32_t v) {
    return v == 0 || v == 1;
}

// A game that can be played on: time on the clock, every number in its range, and every tile
// either placed or in the pile, never both.
bool can_continue(const saved_game& g) {
    if (g.time_left < 1 || g.time_left > 230)
        return false;
    if (g.level < 1 || g.level > 20 || g.picture_number < 0 || g.picture_number > 19)
        return false;
    if (g.tile_last < -1 || g.tile_last > 24)
        return false;
    // An empty pile has no tile to offer and no way to finish the level.
    if (g.tile_current < 0 || g.tile_current > g.tile_last)
        return false;
    int placed = 0;
    for (int i = 0; i < 25; i++) {
        if (g.tile_list[i] < 0 || g.tile_list[i] > 24)
            return false;
        if (!is_flag(g.shuffle_used[i]) || !is_flag(g.board[i]))
            return false;
        placed += g.board[i];
    }
    for (int i = 0; i < 20; i++)
        if (!is_flag(g.picture_used[i]))
            return false;
    bool listed[25] = {};
    for (int i = 0; i <= g.tile_last; i++) {
        int32_t cell = g.tile_list[i];
        if (listed[cell] || g.board[cell] == 1)
            return false;
        listed[cell] = true;
    }
    return placed + g.tile_last + 1 == 25;
}

// Reads the whole file; sets *head_sound when at least the first two numbers are numbers.
bool read_saved_game(saved_game& g, bool* head_sound) {
    *head_sound = false;
    FILE* f = std::fopen(save_path().c_str(), "rb");
    if (!f)
        return false;
    bool whole = read_numbers(f, &g.time_left, 1) && read_numbers(f, &g.best_score, 1);
    *head_sound = whole;
    if (whole) {
        std::rewind(f);
        whole = read_file(f, g);
    }
    std::fclose(f);
    return whole;
}

bool write_all(FILE* f) {
    if (std::fprintf(f, "%d %d %d %d %d %d %d ", TimeLeft, BestScore, TileLast, TileCurrent, Level,
                     Score, PictureNumber) < 0)
        return false;
    for (int i = 0; i < 25; i++)
        if (std::fprintf(f, "%d %d %d ", TileList[i], ShuffleUsed[i], Board[i]) < 0)
            return false;
    for (int i = 0; i < 20; i++)
        if (std::fprintf(f, "%d ", PictureUsed[i]) < 0)
            return false;
    return true;
}

// Makes the rename itself survive a power cut; a folder that cannot be opened is no error.
void sync_folder(const std::string& path) {
    std::string::size_type slash = path.find_last_of("/\\");
    std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    int fd = open(folder.c_str(), O_RDONLY);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

} // namespace

bool saved_game_exists() {
    saved_game g;
    bool head_sound = false;
    bool whole = read_saved_game(g, &head_sound);
    if (head_sound)
        BestScore = g.best_score;
    return whole && can_continue(g);
}

void load_game() {
    saved_game g;
    bool head_sound = false;
    if (!read_saved_game(g, &head_sound) || !can_continue(g)) {
        std::fprintf(stderr, "No saved game to continue in %s\n", save_path().c_str());
        return;
    }
    TimeLeft = g.time_left;
    BestScore = g.best_score;
    TileLast = g.tile_last;
    TileCurrent = g.tile_current;
    Level = g.level;
    Score = g.score;
    PictureNumber = g.picture_number;
    for (int i = 0; i < 25; i++) {
        TileList[i] = g.tile_list[i];
        ShuffleUsed[i] = g.shuffle_used[i];
        Board[i] = g.board[i];
    }
    for (int i = 0; i < 20; i++)
        PictureUsed[i] = g.picture_used[i];
}

void save_game() {
    // The new file is written whole beside the old one and then renamed over it, so a crash, a
    // kill or a full disk during the save leaves the previous file and its best score intact.
    const std::string path = save_path();
    const std::string temporary = path + ".tmp";
    FILE* f = std::fopen(temporary.c_str(), "wb");
    if (!f)
        return;
    bool written = write_all(f) && std::fflush(f) == 0 && fsync(fileno(f)) == 0;
    if (std::fclose(f) != 0)
        written = false;
    if (written && save_game_before_rename)
        save_game_before_rename();
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return;
    }
    sync_folder(path);
    saved_game_written();
}

void update_best_score() {
    if (Score > BestScore)
        BestScore = Score;
}

static void draw_score_line(const char* label, int value) {
    SmallFont.style = 1;
    SmallFont.x = static_cast<float>(20 * Scale);
    SmallFont.y = static_cast<float>(250 * Scale);
    SmallFont.DrawText(label, 0, 0, 0);
    SmallFont.x = static_cast<float>(110 * Scale);
    SmallFont.DrawText(int_to_text(value), 0, 0, 0);
    SmallFont.style = 0;
}

void draw_best_score() {
    draw_score_line("Best score:", BestScore);
}

void draw_your_score() {
    draw_score_line("Your score:", Score);
}
