// The tune rendered ahead of time for players that cannot play a module (the browser): one pass
// of the song as Ogg Vorbis that runs on from its last sample into its first.
#pragma once

#include <vector>

#include "tools/image_io.h"

// The rendering's rate: the output rate of most phones and browsers, so none resamples it, and
// one at which a tick of the module (2.5 / tempo seconds) is a whole number of frames.
constexpr int kTuneRate = 48000;
// The encoder's quality (-0.1 .. 1) and the Ogg stream's serial number: fixed, so that every
// build writes the same bytes.
constexpr float kTuneQuality = 0.1f;
constexpr int kTuneSerial = 0x7e550115;

// One pass of the song in frames at kTuneRate. Throws std::runtime_error when the module can't be
// read or a pass is not a whole number of frames (its end could not meet its start exactly).
long tune_pass_frames(const bytes_t& module);

// `count` stereo frames (interleaved, left first) of the song played on and on, from frame
// `first` of its first pass.
std::vector<float> render_tune(const bytes_t& module, long first, long count);

// The second pass of the song, Ogg Vorbis encoded: the notes still sounding at the end of a pass
// ring into its start, as they do on every pass after the first, so the loop joins without a click.
bytes_t render_tune_ogg(const bytes_t& module);
