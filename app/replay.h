// Recorded games: every event input_poll took, with its poll's number, replayed frame for frame.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "video/units.h" // FrameRate

struct replay_event {
    unsigned long poll;
    int type;    // SDL event type
    int a, b, c; // button, x, y for the stylus; key symbol for keys; gain, state for
                 // focus; the code of a user event (a pause request)
};

struct replay_data {
    int version = 0;
    int scale = 0;
    unsigned seed = 0;
    std::vector<replay_event> events;
    unsigned long end_poll = 0; // the run ended before this poll
};

constexpr int ReplayVersion = 1;
// A recording writes about 30 bytes an event, at most one event a frame: an hour of play holds
// under 3 MiB. A file larger than this is not a recording.
constexpr size_t ReplayMaxBytes = 16u << 20;
// The most polls a replay plays after its last event: 20 minutes of frames, more than any level's
// clock runs.
constexpr unsigned long ReplayIdlePolls = 20 * 60 * FrameRate;

// Parses a replay's text; false with a one-line reason when it is not a sound replay.
bool replay_parse(const std::string& text, replay_data& out, std::string& error);

// --record: writes the header once start-up knows the Scale and the seed, then every event.
void record_begin(const char* path);
// --replay: loads the file (or ends the program with a message and status 1).
void replay_begin(const char* path);
// The run's end: records write their last line; false when any part of the recording could not be
// written (said on stderr when it happened). Replays report whether they are over.
bool record_finish();
bool replay_finished();

// 64-bit FNV-1a hashes of the game state and of the screen's pixels, for timedemo lines.
uint64_t game_state_hash();
uint64_t screen_hash();
