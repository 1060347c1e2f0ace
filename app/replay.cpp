// Recorded games: every event input_poll took, with its poll's number, replayed frame for frame.
#include "app/replay.h"

#include <SDL.h>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "platform/files.h"
#include "platform/input_source.h"
#include "platform/numbers.h"
#include "platform/random.h"
#include "game/game_state.h"
#include "game/states.h"
#include "video/video.h"

namespace {

FILE* RecordFile;
const char* RecordPath;
bool RecordFailed;
unsigned (*RecordedSeed)();
replay_data Replay;
size_t ReplayNext;
bool Replaying;

// A recording names event kinds by SDL 1.2's numbers, whatever the running SDL numbers them
// (the browser's SDL uses SDL 2's), so one recording plays on every platform.
struct event_kind {
    int file;
    Uint32 sdl;
};
const event_kind EventKinds[] = {
    {1, SDL_ACTIVEEVENT},     {2, SDL_KEYDOWN},       {3, SDL_KEYUP}, {4, SDL_MOUSEMOTION},
    {5, SDL_MOUSEBUTTONDOWN}, {6, SDL_MOUSEBUTTONUP}, {12, SDL_QUIT}, {16, SDL_VIDEORESIZE},
    {17, SDL_VIDEOEXPOSE},    {24, SDL_USEREVENT},
};

int file_kind(Uint32 sdl_type) {
    for (const event_kind& k : EventKinds)
        if (k.sdl == sdl_type)
            return k.file;
    return static_cast<int>(sdl_type);
}

bool sdl_kind(int file_type, Uint32* out) {
    for (const event_kind& k : EventKinds)
        if (k.file == file_type) {
            *out = k.sdl;
            return true;
        }
    return false;
}

// A recording that cannot be written (a full disk, /dev/full) is said at once, and the game goes
// on unrecorded; the run's exit status says it failed.
void record_failed(const char* what) {
    int error = errno;
    if (!RecordFailed)
        std::fprintf(stderr, "Couldn't write replay %s: %s (%s); the game goes on unrecorded\n",
                     RecordPath, std::strerror(error), what);
    RecordFailed = true;
    if (RecordFile)
        std::fclose(RecordFile);
    RecordFile = nullptr;
}

// Every line is flushed as it is written, so a killed run keeps the events played so far.
void record_line(bool written) {
    if (!written)
        record_failed("write");
    else if (std::fflush(RecordFile) != 0)
        record_failed("flush");
}

unsigned record_seed() {
    unsigned seed = RecordedSeed();
    if (RecordFile)
        record_line(std::fprintf(RecordFile, "tessoli-replay %d\nscale %d\nseed %u\n",
                                 ReplayVersion, Scale, seed) >= 0);
    return seed;
}

void record_event(unsigned long poll, const SDL_Event* e) {
    int a = 0, b = 0, c = 0;
    switch (e->type) {
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        a = e->button.button;
        b = e->button.x;
        c = e->button.y;
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        a = e->key.keysym.sym;
        break;
    case SDL_ACTIVEEVENT:
        a = e->active.gain;
        b = e->active.state;
        break;
    case SDL_USEREVENT:
        a = e->user.code;
        break;
    default:
        break;
    }
    if (RecordFile)
        record_line(
            std::fprintf(RecordFile, "%lu %d %d %d %d\n", poll, file_kind(e->type), a, b, c) >= 0);
}

unsigned replay_seed() {
    if (Replay.scale != Scale) {
        std::fprintf(stderr, "replay: recorded at Scale %d, but config.tll says Scale %d\n",
                     Replay.scale, Scale);
        std::exit(1);
    }
    return Replay.seed;
}

int replay_source(SDL_Event* e) {
    // input_poll counts the poll before it asks for an event.
    unsigned long poll = input_poll_count - 1;
    // Keep the window alive without taking anything from the player, but a quit request (the
    // window's close button, SIGTERM, Ctrl+C) ends a replay as it ends a game. So does the end of
    // the recording met in a loading wait, which has no other way out.
    SDL_PumpEvents();
    SDL_Event quit;
    if (SDL_PeepEvents(&quit, 1, SDL_GETEVENT, SDL_QUITMASK) == 1 || poll >= Replay.end_poll) {
        std::memset(e, 0, sizeof *e);
        e->type = SDL_QUIT;
        return 1;
    }
    if (ReplayNext >= Replay.events.size() || Replay.events[ReplayNext].poll != poll)
        return 0;
    const replay_event& r = Replay.events[ReplayNext++];
    std::memset(e, 0, sizeof *e);
    Uint32 type = 0;
    sdl_kind(r.type, &type); // the reader let only known kinds through
    e->type = static_cast<decltype(e->type)>(type);
    switch (type) {
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        e->button.type = e->type;
        e->button.button = static_cast<Uint8>(r.a);
        e->button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        e->button.x = static_cast<Uint16>(r.b);
        e->button.y = static_cast<Uint16>(r.c);
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        e->key.type = e->type;
        e->key.keysym.sym = static_cast<SDLKey>(r.a);
        break;
    case SDL_ACTIVEEVENT:
        e->active.gain = static_cast<Uint8>(r.a);
        e->active.state = static_cast<Uint8>(r.b);
        break;
    case SDL_USEREVENT:
        e->user.code = r.a;
        break;
    default:
        break;
    }
    return 1;
}

bool known_type(int type) {
    Uint32 ignored;
    return sdl_kind(type, &ignored);
}

// A number on a line of the recording, and why one outside its range is refused.
struct field {
    long long low, high;
    const char* refused;
};
const field PollField = {0, 0x7FFFFFFFll, "poll number out of range"};
const field EventFields[5] = {PollField,
                              {INT_MIN, INT_MAX, "unknown event type"},
                              {INT_MIN, INT_MAX, "event field out of range"},
                              {INT_MIN, INT_MAX, "event field out of range"},
                              {INT_MIN, INT_MAX, "event field out of range"}};

// Blank-separated whole numbers from `from` to the end of the line and nothing else, one for each
// field: null when each is within its field's range, else why the line is refused (what is not
// such a line first).
const char* read_fields(const std::string& line, size_t from, const field* fields, long long* out,
                        int count, const char* not_numbers) {
    number_reader in(line, from);
    const char* refused = nullptr;
    for (int i = 0; i < count; i++) {
        number_read got = in.next(fields[i].low, fields[i].high, &out[i]);
        if (got == number_read::none)
            return not_numbers;
        if (got == number_read::out_of_range && !refused)
            refused = fields[i].refused;
    }
    return in.at_end() ? refused : not_numbers;
}

// What each kind of event can carry: a mouse button and a position, a key SDL has, a focus
// change.
bool fields_in_range(long long type, long long a, long long b, long long c) {
    if (a < 0 || b < 0 || c < 0 || b > 65535 || c > 65535)
        return false;
    if (type == SDL_ACTIVEEVENT)
        return a <= 1 && b <= 255 && c == 0;
    if (type == SDL_KEYDOWN || type == SDL_KEYUP)
        return a < SDLK_LAST;
    return a <= 255;
}

} // namespace

bool replay_parse(const std::string& text, replay_data& out, std::string& error) {
    out = replay_data();
    std::istringstream in(text);
    std::string line;
    int number = 0;
    auto fail = [&](const char* why) {
        error = "line " + std::to_string(number) + ": " + why;
        return false;
    };
    long long value;
    const char* heads[3] = {"tessoli-replay", "scale", "seed"};
    const field head_fields[3] = {{ReplayVersion, ReplayVersion, "a replay of another version"},
                                  {1, 16, "Scale out of range"},
                                  {0, 0xFFFFFFFFll, "seed out of range"}};
    for (int i = 0; i < 3; i++) {
        number++;
        if (!std::getline(in, line))
            return fail("the header ends early");
        size_t length = std::strlen(heads[i]);
        if (line.compare(0, length, heads[i]) != 0 || line.size() == length || line[length] != ' ')
            return fail("not the header of a replay");
        if (const char* why =
                read_fields(line, length, &head_fields[i], &value, 1, "not the header of a replay"))
            return fail(why);
        if (i == 0)
            out.version = static_cast<int>(value);
        else if (i == 1)
            out.scale = static_cast<int>(value);
        else
            out.seed = static_cast<unsigned>(value);
    }
    bool ended = false;
    while (std::getline(in, line)) {
        number++;
        if (line.empty())
            continue;
        if (ended)
            return fail("text after the end line");
        long long poll;
        if (line.compare(0, 4, "end ") == 0) {
            if (const char* why = read_fields(line, 4, &PollField, &poll, 1, "not an event line"))
                return fail(why);
            if (!out.events.empty() && static_cast<unsigned long>(poll) <= out.events.back().poll)
                return fail("the end comes before the last event");
            out.end_poll = static_cast<unsigned long>(poll);
            ended = true;
            continue;
        }
        long long fields[5];
        if (const char* why = read_fields(line, 0, EventFields, fields, 5, "not an event line"))
            return fail(why);
        poll = fields[0];
        long long type = fields[1], a = fields[2], b = fields[3], c = fields[4];
        if (!out.events.empty() && static_cast<unsigned long>(poll) <= out.events.back().poll)
            return fail("poll numbers must rise: one event per poll");
        if (!known_type(static_cast<int>(type)))
            return fail("unknown event type");
        if ((type == SDL_KEYDOWN || type == SDL_KEYUP) && (a < 0 || a >= SDLK_LAST))
            return fail("key code outside SDL's key range");
        if (!fields_in_range(type, a, b, c))
            return fail("event field out of range");
        out.events.push_back({static_cast<unsigned long>(poll), static_cast<int>(type),
                              static_cast<int>(a), static_cast<int>(b), static_cast<int>(c)});
    }
    if (!ended)
        return fail("no end line");
    return true;
}

void record_begin(const char* path) {
    RecordFile = std::fopen(path, "wb");
    if (!RecordFile) {
        std::fprintf(stderr, "Couldn't write replay %s: %s\n", path, std::strerror(errno));
        std::exit(1);
    }
    RecordPath = path;
    RecordFailed = false;
    // The seed is whatever start-up would have used; the recording only writes it down.
    RecordedSeed = startup_seed;
    startup_seed = record_seed;
    input_event_observer = record_event;
}

bool record_finish() {
    if (RecordFile) {
        record_line(std::fprintf(RecordFile, "end %lu\n", input_poll_count) >= 0);
        if (RecordFile && std::fclose(RecordFile) != 0) {
            RecordFile = nullptr;
            record_failed("close");
        }
        RecordFile = nullptr;
    }
    return !RecordFailed;
}

void replay_begin(const char* path) {
    std::string text, why;
    file_read got = read_regular_file(path, ReplayMaxBytes, &text, &why);
    if (got == file_read::too_large) {
        std::fprintf(stderr, "replay %s: larger than 16 MiB, which no recording reaches\n", path);
        std::exit(1);
    }
    if (got != file_read::done) {
        std::fprintf(stderr, "Couldn't read replay %s: %s\n", path, why.c_str());
        std::exit(1);
    }
    std::string error;
    if (!replay_parse(text, Replay, error)) {
        std::fprintf(stderr, "replay %s: %s\n", path, error.c_str());
        std::exit(1);
    }
    // A recording ends a few polls after its last event; one whose end lies far beyond it would
    // only keep a timedemo waiting on a screen no event will ever come to. The game's own clocks
    // (a level's time running out) are over long before this many polls.
    unsigned long last = Replay.events.empty() ? 0 : Replay.events.back().poll;
    if (Replay.end_poll - last > ReplayIdlePolls) {
        std::fprintf(stderr,
                     "replay %s: ends %lu polls after its last event; stopping at poll %lu\n", path,
                     Replay.end_poll - last, last + ReplayIdlePolls);
        Replay.end_poll = last + ReplayIdlePolls;
    }
    ReplayNext = 0;
    Replaying = true;
    startup_seed = replay_seed;
    input_event_source = replay_source;
}

bool replay_finished() {
    return Replaying && input_poll_count >= Replay.end_poll;
}

uint64_t game_state_hash() {
    uint64_t h = 14695981039346656037ull;
    h = hash_game_state(h, Game);
    std::string_view screen = state_name(GameState), phase = state_name(GameSubState);
    h = fnv(h, screen.data(), screen.size());
    h = fnv(h, "/", 1);
    h = fnv(h, phase.data(), phase.size());
    // The pause counts only while there is one: a run that never pauses hashes screen and phase.
    if (GamePause != pause_state::none) {
        std::string_view pause = state_name(GamePause);
        h = fnv(h, "/", 1);
        h = fnv(h, pause.data(), pause.size());
    }
    // Where the shared random generator stands tells whether every effect drew the same numbers.
    int next = game_rand();
    h = fnv(h, &next, sizeof next);
    return h;
}

uint64_t screen_hash() {
    uint64_t h = 14695981039346656037ull;
    if (!screen)
        return h;
    SDL_LockSurface(screen);
    const unsigned char* row = static_cast<const unsigned char*>(screen->pixels);
    size_t width = static_cast<size_t>(screen->w) * screen->format->BytesPerPixel;
    for (int y = 0; y < screen->h; y++)
        h = fnv(h, row + static_cast<size_t>(y) * screen->pitch, width);
    SDL_UnlockSurface(screen);
    return h;
}
