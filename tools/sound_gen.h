// The game's sound effects and its music module, synthesised by the media builder.
#pragma once

#include <string>
#include <vector>

#include "tools/image_io.h"

struct named_bytes {
    std::string name;
    bytes_t data;
};

// The level of every effect and of the tune's instruments, one factor for both so their balance
// stays: the loudest overlap the game can make (an effect on each of its four channels over the
// tune) keeps more than 1 dB of headroom below full scale.
constexpr float kMixLevel = 0.45f;

// 16-bit mono PCM WAV at this rate.
constexpr int kSoundRate = 22050;

bytes_t encode_wav(const std::vector<float>& samples, int rate);

// The seven effects, in the order the game loads them.
std::vector<named_bytes> build_sounds();

// "1.mod": a looping four-channel module (M.K.) with its own synthesised instruments.
bytes_t build_module();
