// The seven sound effects: clicks, chimes, a rocket whoosh and an explosion, written as WAV files.
#include "tools/sound_gen.h"

#include <cmath>

#include "tools/canvas.h"

namespace {

const float kPi = 3.14159265358979f;

std::vector<float> silence(float seconds) {
    return std::vector<float>(static_cast<std::size_t>(seconds * kSoundRate), 0.0f);
}

// A decaying sine partial added in from time start.
void add_partial(std::vector<float>& s, float start, float freq, float amp, float decay,
                 float attack = 0.002f) {
    std::size_t first = static_cast<std::size_t>(start * kSoundRate);
    float phase = 0;
    for (std::size_t i = first; i < s.size(); ++i) {
        float t = (i - first) / float(kSoundRate);
        float env = std::exp(-t / decay) * std::min(1.0f, t / attack);
        phase += 2 * kPi * freq / kSoundRate;
        s[i] += amp * env * std::sin(phase);
    }
}

// A bell-like note: the fundamental and a few bright partials that die away faster.
void add_bell(std::vector<float>& s, float start, float freq, float amp, float decay) {
    add_partial(s, start, freq, amp, decay);
    add_partial(s, start, freq * 2.0f, amp * 0.35f, decay * 0.5f);
    add_partial(s, start, freq * 3.01f, amp * 0.18f, decay * 0.3f);
    add_partial(s, start, freq * 4.2f, amp * 0.08f, decay * 0.15f);
}

// Scales the peak to level and fades the last few milliseconds so nothing clicks.
void finish(std::vector<float>& s, float level) {
    float peak = 1e-6f;
    for (float v : s)
        peak = std::max(peak, std::fabs(v));
    std::size_t tail = std::min<std::size_t>(s.size(), kSoundRate / 200);
    for (std::size_t i = 0; i < s.size(); ++i) {
        s[i] *= level * kMixLevel / peak;
        std::size_t left = s.size() - i;
        if (left < tail)
            s[i] *= left / float(tail);
    }
}

std::vector<float> button_press() {
    // A round "pop": a sine that drops in pitch, with a tiny noise tick at the front.
    auto s = silence(0.09f);
    rng r(11);
    float phase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        float t = i / float(kSoundRate);
        float f = 520 + 500 * std::exp(-t / 0.012f);
        phase += 2 * kPi * f / kSoundRate;
        s[i] = std::sin(phase) * std::exp(-t / 0.03f) +
               r.uniform(-1, 1) * std::exp(-t / 0.002f) * 0.3f;
    }
    finish(s, 0.8f);
    return s;
}

std::vector<float> button_step() {
    // A short wooden tick, higher and drier than the menu pop.
    auto s = silence(0.06f);
    add_partial(s, 0, 1320, 1.0f, 0.012f, 0.0005f);
    add_partial(s, 0, 2650, 0.5f, 0.007f, 0.0005f);
    add_partial(s, 0, 660, 0.4f, 0.02f, 0.0005f);
    finish(s, 0.7f);
    return s;
}

std::vector<float> tile_placed() {
    // Two bright bell notes a fifth apart, the second a breath later.
    auto s = silence(0.45f);
    add_bell(s, 0.0f, 1046.5f, 1.0f, 0.12f);
    add_bell(s, 0.045f, 1568.0f, 0.8f, 0.14f);
    finish(s, 0.75f);
    return s;
}

std::vector<float> level_cleared() {
    // A rising major arpeggio that rings on as a chord.
    auto s = silence(1.6f);
    const float notes[] = {523.25f, 659.25f, 783.99f, 1046.5f, 1318.5f};
    for (int i = 0; i < 5; ++i)
        add_bell(s, i * 0.085f, notes[i], i == 4 ? 0.8f : 1.0f, 0.55f);
    add_partial(s, 0.34f, 261.63f, 0.5f, 0.5f, 0.02f);
    finish(s, 0.8f);
    return s;
}

std::vector<float> hint_sparkle() {
    // A quick run up a pentatonic scale with a shimmering vibrato.
    auto s = silence(0.75f);
    const float notes[] = {1174.7f, 1318.5f, 1568.0f, 1760.0f, 2093.0f, 2349.3f, 2637.0f};
    for (int i = 0; i < 7; ++i) {
        std::size_t first = static_cast<std::size_t>(i * 0.045f * kSoundRate);
        float phase = 0;
        for (std::size_t k = first; k < s.size(); ++k) {
            float t = (k - first) / float(kSoundRate);
            float f = notes[i] * (1 + 0.01f * std::sin(2 * kPi * 9 * t));
            phase += 2 * kPi * f / kSoundRate;
            s[k] += 0.6f * std::sin(phase) * std::exp(-t / 0.18f) * std::min(1.0f, t / 0.004f);
        }
    }
    finish(s, 0.6f);
    return s;
}

std::vector<float> rocket_launch() {
    // Hissing noise through a resonant band that sweeps upwards, over a rising whistle.
    auto s = silence(0.8f);
    rng r(23);
    float low = 0, band = 0, phase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        float t = i / float(kSoundRate);
        float cutoff = 300 + 2800 * (t / 0.8f);
        float f = 2 * std::sin(kPi * cutoff / kSoundRate);
        float in = r.uniform(-1, 1);
        low += f * band;
        float high = in - low - 0.35f * band;
        band += f * high;
        float env = std::min(1.0f, t / 0.04f) * std::exp(-t / 0.35f);
        phase += 2 * kPi * (500 + 900 * t) / kSoundRate;
        s[i] = band * env + 0.15f * std::sin(phase) * env;
    }
    finish(s, 0.7f);
    return s;
}

std::vector<float> explosion() {
    // A low thump, then rumbling noise whose brightness dies away, with a few crackles.
    auto s = silence(1.1f);
    rng r(37);
    float low = 0, low2 = 0, phase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        float t = i / float(kSoundRate);
        float cutoff = 150 + 2500 * std::exp(-t / 0.08f);
        float a = 1 - std::exp(-2 * kPi * cutoff / kSoundRate);
        low += a * (r.uniform(-1, 1) - low);
        low2 += a * (low - low2);
        float noise = low2 * 3.0f * std::exp(-t / 0.3f);
        phase += 2 * kPi * (45 + 70 * std::exp(-t / 0.05f)) / kSoundRate;
        float thump = std::sin(phase) * std::exp(-t / 0.18f);
        float crackle = (r.below(900) == 0 && t < 0.5f) ? r.uniform(-0.6f, 0.6f) : 0.0f;
        s[i] = noise + thump * 0.9f + crackle;
    }
    // The attack is a few milliseconds, not a click.
    for (std::size_t i = 0; i < 60 && i < s.size(); ++i)
        s[i] *= i / 60.0f;
    finish(s, 0.9f);
    return s;
}

} // namespace

bytes_t encode_wav(const std::vector<float>& samples, int rate) {
    bytes_t b;
    std::uint32_t data_size = static_cast<std::uint32_t>(samples.size() * 2);
    b.insert(b.end(), {'R', 'I', 'F', 'F'});
    put32(b, 36 + data_size);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(b, 16);
    put16(b, 1); // PCM
    put16(b, 1); // mono
    put32(b, static_cast<std::uint32_t>(rate));
    put32(b, static_cast<std::uint32_t>(rate * 2));
    put16(b, 2);
    put16(b, 16);
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    put32(b, data_size);
    for (float v : samples) {
        int value = static_cast<int>(std::lround(clampf(v, -1.0f, 1.0f) * 32767.0f));
        put16(b, static_cast<unsigned>(value) & 0xffff);
    }
    return b;
}

std::vector<named_bytes> build_sounds() {
    return {
        {"button_p.wav", encode_wav(button_press(), kSoundRate)},
        {"explosion.wav", encode_wav(explosion(), kSoundRate)},
        {"good.wav", encode_wav(level_cleared(), kSoundRate)},
        {"hint_p.wav", encode_wav(hint_sparkle(), kSoundRate)},
        {"rakieta_p.wav", encode_wav(rocket_launch(), kSoundRate)},
        {"button2.wav", encode_wav(button_step(), kSoundRate)},
        {"good_p.wav", encode_wav(tile_placed(), kSoundRate)},
    };
}
