// The game's tune: a four-channel module (lead, bell arpeggio, bass, drums) with synthesised
// samples.
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "tools/canvas.h"
#include "tools/sound_gen.h"

namespace {

// An instrument or note volume (0..64) at the mix level.
int mix_volume(int volume) {
    return static_cast<int>(std::lround(volume * kMixLevel));
}

const float kPi = 3.14159265358979f;
// Where the left and the right channels sit, 0 (left) .. 255 (right).
const int kPanLeft = 0x58, kPanRight = 0xA8;

// Periods of the three octaves a four-channel module player knows (no finetune).
const int kPeriods[36] = {856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453,
                          428, 404, 381, 360, 339, 320, 302, 285, 269, 254, 240, 226,
                          214, 202, 190, 180, 170, 160, 151, 143, 135, 127, 120, 113};

// The rate a sample plays at on the note C-3 (period 214), for the drums.
const float kDrumRate = 3546894.6f / 214.0f;

enum instrument { kLead = 1, kBell, kBass, kKick, kSnare, kHat };

struct sample {
    std::string name;
    std::vector<std::int8_t> data;
    int volume;
    int loop_start = 0, loop_length = 0; // in bytes; 0 length = one-shot
};

std::vector<std::int8_t> to_8bit(const std::vector<float>& v) {
    std::vector<std::int8_t> out(v.size());
    for (std::size_t i = 0; i < v.size(); ++i)
        out[i] = static_cast<std::int8_t>(std::lround(clampf(v[i], -1.0f, 1.0f) * 127.0f));
    return out;
}

// Every pitched sample has 32 samples per cycle (64 for the bass, an octave lower), so
// they all agree on the pitch of a note.
sample make_lead() {
    const int cycle = 32, attack = cycle * 8, loop = cycle * 8;
    std::vector<float> v(attack + loop);
    rng r(5);
    for (int i = 0; i < attack + loop; ++i) {
        float ph = 2 * kPi * (i % cycle) / cycle;
        float tone =
            0.75f * std::sin(ph) + 0.2f * std::sin(2 * ph + 0.5f) + 0.1f * std::sin(3 * ph);
        float breath = 0;
        if (i < attack) {
            float t = i / float(attack);
            tone *= 0.5f + 0.5f * t;
            breath = r.uniform(-0.25f, 0.25f) * (1 - t);
        }
        v[i] = (tone + breath) * 0.85f;
    }
    sample s{"lead ocarina", to_8bit(v), 44};
    s.loop_start = attack;
    s.loop_length = loop;
    return s;
}

sample make_bell() {
    const int cycle = 32, length = 7000;
    std::vector<float> v(length);
    for (int i = 0; i < length; ++i) {
        float ph = 2 * kPi * i / cycle;
        float t = i / 8287.0f;
        float tone = std::sin(ph) * std::exp(-t / 0.45f) +
                     0.35f * std::sin(2 * ph) * std::exp(-t / 0.2f) +
                     0.15f * std::sin(4 * ph) * std::exp(-t / 0.08f);
        v[i] = tone * 0.8f * std::min(1.0f, i / 24.0f);
    }
    v[0] = v[1] = 0;
    return sample{"bell arpeggio", to_8bit(v), 26};
}

sample make_bass() {
    const int cycle = 64;
    std::vector<float> v(cycle * 4);
    for (int i = 0; i < cycle * 4; ++i) {
        float ph = 2 * kPi * (i % cycle) / cycle;
        // A warm rounded saw: a handful of falling harmonics.
        float tone = std::sin(ph) + 0.45f * std::sin(2 * ph) + 0.2f * std::sin(3 * ph) +
                     0.08f * std::sin(4 * ph);
        v[i] = tone * 0.6f;
    }
    sample s{"bass", to_8bit(v), 50};
    s.loop_start = 0;
    s.loop_length = cycle * 4;
    return s;
}

sample make_kick() {
    int length = static_cast<int>(0.3f * kDrumRate);
    std::vector<float> v(length);
    float phase = 0;
    for (int i = 0; i < length; ++i) {
        float t = i / kDrumRate;
        phase += 2 * kPi * (48 + 110 * std::exp(-t / 0.03f)) / kDrumRate;
        v[i] = std::sin(phase) * std::exp(-t / 0.12f);
    }
    v[0] = v[1] = 0;
    return sample{"kick", to_8bit(v), 64};
}

sample make_snare() {
    int length = static_cast<int>(0.22f * kDrumRate);
    std::vector<float> v(length);
    rng r(9);
    float phase = 0, low = 0;
    for (int i = 0; i < length; ++i) {
        float t = i / kDrumRate;
        phase += 2 * kPi * 185 / kDrumRate;
        float n = r.uniform(-1, 1);
        low += 0.5f * (n - low);
        v[i] = 0.55f * (n - low) * 1.6f * std::exp(-t / 0.07f) +
               0.5f * std::sin(phase) * std::exp(-t / 0.04f);
    }
    v[0] = v[1] = 0;
    return sample{"snare", to_8bit(v), 40};
}

sample make_hat() {
    int length = static_cast<int>(0.06f * kDrumRate);
    std::vector<float> v(length);
    rng r(13);
    float prev = 0;
    for (int i = 0; i < length; ++i) {
        float t = i / kDrumRate;
        float n = r.uniform(-1, 1);
        v[i] = (n - prev) * 0.5f * std::exp(-t / 0.015f);
        prev = n;
    }
    v[0] = v[1] = 0;
    return sample{"hat", to_8bit(v), 24};
}

struct cell {
    int instrument = 0, period = 0, effect = 0, param = 0;
};

struct pattern {
    cell rows[64][4];
};

int note_number(const std::string& name) {
    // "A4", "C#5": MIDI numbering, C4 = 60.
    static const int offsets[7] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    int n = offsets[name[0] - 'A'];
    std::size_t i = 1;
    if (name[i] == '#') {
        ++n;
        ++i;
    }
    return n + (name[i] - '0' + 1) * 12;
}

int period_of(int midi, int lowest_midi) {
    int index = midi - lowest_midi;
    if (index < 0)
        index += 12 * ((11 - index) / 12);
    while (index > 35)
        index -= 12;
    return kPeriods[index];
}

// Chord tones as MIDI notes from the chord name, root in the octave starting at C3.
std::vector<int> chord_tones(const std::string& chord) {
    int root = note_number(chord.substr(0, chord[1] == '#' ? 2 : 1) + "3");
    bool minor = chord.back() == 'm';
    return {root, root + (minor ? 3 : 4), root + 7, root + 12};
}

struct section {
    const char* chords[4];
    const char* melody; // 32 eighth notes: a note, "-" hold, "." rest
    int arp;            // 0 eighths, 1 sixteenths, 2 slow
    int drums;          // 0 light, 1 normal, 2 full, 3 half
};

std::vector<std::string> split(const char* text) {
    std::vector<std::string> out;
    std::string word;
    for (const char* p = text;; ++p) {
        if (*p == ' ' || *p == 0) {
            if (!word.empty())
                out.push_back(word);
            word.clear();
            if (*p == 0)
                break;
        } else {
            word.push_back(*p);
        }
    }
    return out;
}

pattern build_pattern(const section& s) {
    pattern p;
    // Channel 0: the lead (32 eighth-note steps, two rows each).
    std::vector<std::string> melody = split(s.melody);
    int held = -1;
    for (int step = 0; step < 32 && step < static_cast<int>(melody.size()); ++step) {
        const std::string& m = melody[step];
        for (int half = 0; half < 2; ++half) {
            cell& c = p.rows[step * 2 + half][0];
            if (half == 0 && m != "-" && m != ".") {
                c.instrument = kLead;
                c.period = period_of(note_number(m), 48);
                held = 0;
            } else if (half == 0 && m == ".") {
                if (held >= 0) {
                    c.effect = 0xC; // volume 0 ends the note
                    c.param = 0;
                }
                held = -1;
            } else if (held >= 0) {
                ++held;
                if (held == 2) {
                    c.effect = 0x4; // a gentle vibrato on long notes
                    c.param = 0x42;
                } else if (held > 2) {
                    c.effect = 0x6; // vibrato on, fading a little
                    c.param = 0x01;
                }
            }
        }
    }
    // Channels 1 and 2: the bell arpeggio and the bass, one chord per bar.
    for (int bar = 0; bar < 4; ++bar) {
        std::vector<int> tones = chord_tones(s.chords[bar]);
        static const int eighth_order[8] = {0, 2, 3, 2, 1, 2, 3, 2};
        static const int sixteenth_order[16] = {0, 1, 2, 3, 2, 1, 2, 3, 0, 1, 2, 3, 2, 1, 2, 3};
        for (int r = 0; r < 16; ++r) {
            int row = bar * 16 + r;
            int tone = -1;
            if (s.arp == 0 && r % 2 == 0)
                tone = tones[eighth_order[r / 2]] + 12;
            if (s.arp == 1)
                tone = tones[sixteenth_order[r]] + 12;
            if (s.arp == 2 && r % 4 == 0)
                tone = tones[(r / 4) % 4] + 12;
            if (tone >= 0) {
                cell& c = p.rows[row][1];
                c.instrument = kBell;
                c.period = period_of(tone, 48);
                if (s.arp == 1 && r % 4 != 0) {
                    c.effect = 0xC;
                    c.param = mix_volume(18); // the off-beats of the fast arpeggio are quieter
                }
            }
        }
        int root = tones[0] - 12, fifth = tones[2] - 12;
        const int bass_rows[5] = {0, 6, 8, 12, 14};
        const int bass_notes[5] = {root, root, fifth, root, root + 12};
        for (int k = 0; k < 5; ++k) {
            if (s.drums == 3 && k > 0 && k != 2)
                continue;
            cell& c = p.rows[bar * 16 + bass_rows[k]][2];
            c.instrument = kBass;
            c.period = period_of(bass_notes[k], 36);
        }
    }
    // Channel 3: the drums.
    for (int row = 0; row < 64; ++row) {
        int r = row % 16;
        cell& c = p.rows[row][3];
        int inst = 0, vol = -1;
        if (r == 0 || r == 8)
            inst = (s.drums == 0 && row < 32) ? kHat : kKick;
        if (s.drums == 3 && r == 8)
            inst = 0;
        if ((r == 4 || r == 12) && s.drums != 0 && s.drums != 3)
            inst = kSnare;
        if ((r == 4 || r == 12) && s.drums == 3)
            inst = kHat;
        if (r % 4 == 2 && s.drums != 3)
            inst = kHat;
        if (s.drums == 2 && r == 10)
            inst = kKick;
        if (s.drums == 2 && (r == 15 || r == 7)) {
            inst = kHat;
            vol = 12;
        }
        if (s.drums == 2 && row == 62)
            inst = kSnare;
        if (inst) {
            c.instrument = inst;
            c.period = kPeriods[24];
            if (vol >= 0) {
                c.effect = 0xC;
                c.param = mix_volume(vol);
            }
        }
    }
    return p;
}

void put_word(bytes_t& b, int value) {
    b.push_back(static_cast<std::uint8_t>((value >> 8) & 255));
    b.push_back(static_cast<std::uint8_t>(value & 255));
}

} // namespace

bytes_t build_module() {
    std::vector<sample> samples = {make_lead(), make_bell(),  make_bass(),
                                   make_kick(), make_snare(), make_hat()};

    const section sections[] = {
        // 0: intro, the accompaniment alone
        {{"Am", "F", "C", "G"}, "", 0, 0},
        // 1, 2: verse
        {{"Am", "F", "C", "G"},
         "A4 - C5 - E5 - - D5 C5 - A4 - F4 - - . G4 - C5 - E5 - G5 - F5 - E5 - D5 - - .",
         0,
         1},
        {{"Am", "F", "G", "C"},
         "A4 - C5 - E5 - - D5 C5 - A4 - C5 - D5 - B4 - D5 - G5 - F5 - E5 - - - - - . .",
         0,
         1},
        // 3, 4: chorus
        {{"F", "G", "Em", "Am"},
         "C5 - F5 - A5 - G5 F5 G5 - - - D5 - - . E5 - G5 - B5 - A5 G5 A5 - - - E5 - - .",
         1,
         2},
        {{"F", "G", "C", "C"},
         "F5 - E5 - F5 - A5 - G5 - F5 - E5 - D5 - E5 - - - C5 - D5 - C5 - - - - - . .",
         1,
         2},
        // 5: bridge, sparse
        {{"Dm", "Em", "F", "G"},
         "F5 - - - A5 - - - G5 - - - E5 - - - F5 - - - C5 - A4 - B4 - - - D5 - - .",
         2,
         3},
        // 6, 7: the verse again over the faster arpeggio
        {{"Am", "F", "C", "G"},
         "E5 - C5 - A4 - - C5 D5 - C5 - A4 - - . G4 - C5 - E5 - G5 - A5 - G5 - E5 - - .",
         1,
         1},
        {{"Am", "F", "G", "C"},
         "A4 - C5 - E5 - - D5 C5 - A4 - C5 - D5 - B4 - D5 - G5 - F5 - E5 - - - - - . .",
         1,
         2},
    };
    const int order[] = {0, 1, 2, 3, 4, 5, 6, 7, 3, 4};
    const int patterns = static_cast<int>(sizeof sections / sizeof sections[0]);

    // The title: plain words, nothing another format could take for its own magic bytes.
    const char title[] = "tessoli theme";
    bytes_t b(20, 0);
    std::memcpy(b.data(), title, sizeof title - 1);
    for (int i = 0; i < 31; ++i) {
        char name[22] = {};
        int length_words = 0, volume = 0, loop_start = 0, loop_words = 1;
        if (i < static_cast<int>(samples.size())) {
            const sample& s = samples[i];
            std::strncpy(name, s.name.c_str(), 21);
            length_words = static_cast<int>((s.data.size() + 1) / 2);
            volume = mix_volume(s.volume);
            if (s.loop_length > 0) {
                loop_start = s.loop_start / 2;
                loop_words = s.loop_length / 2;
            }
        }
        b.insert(b.end(), name, name + 22);
        put_word(b, length_words);
        b.push_back(0); // finetune
        b.push_back(static_cast<std::uint8_t>(volume));
        put_word(b, loop_start);
        put_word(b, loop_words);
    }
    b.push_back(static_cast<std::uint8_t>(sizeof order / sizeof order[0]));
    b.push_back(127);
    for (int i = 0; i < 128; ++i)
        b.push_back(i < static_cast<int>(sizeof order / sizeof order[0])
                        ? static_cast<std::uint8_t>(order[i])
                        : 0);
    b.insert(b.end(), {'M', '.', 'K', '.'});
    for (int i = 0; i < patterns; ++i) {
        pattern p = build_pattern(sections[i]);
        if (i == 0) {
            // Speed 6, tempo 125: a row is 120 ms, a bar of 16 rows about two seconds.
            p.rows[0][2].effect = 0xF;
            p.rows[0][2].param = 6;
            p.rows[0][1].effect = 0xF;
            p.rows[0][1].param = 125;
        }
        // Players pan the four channels hard left, right, right, left; each pattern brings
        // them towards the middle (8xx, 128 = centre) on its first row with a free effect, so
        // both ears hear every instrument and the left ones only a little louder on the left.
        for (int ch = 0; ch < 4; ++ch)
            for (int row = 0; row < 64; ++row) {
                cell& c = p.rows[row][ch];
                if (c.effect == 0 && c.param == 0) {
                    c.effect = 0x8;
                    c.param = ch == 0 || ch == 3 ? kPanLeft : kPanRight;
                    break;
                }
            }
        for (int row = 0; row < 64; ++row)
            for (int ch = 0; ch < 4; ++ch) {
                const cell& c = p.rows[row][ch];
                b.push_back(
                    static_cast<std::uint8_t>((c.instrument & 0xF0) | ((c.period >> 8) & 0x0F)));
                b.push_back(static_cast<std::uint8_t>(c.period & 0xFF));
                b.push_back(
                    static_cast<std::uint8_t>(((c.instrument & 0x0F) << 4) | (c.effect & 0x0F)));
                b.push_back(static_cast<std::uint8_t>(c.param));
            }
    }
    for (const sample& s : samples) {
        for (std::int8_t v : s.data)
            b.push_back(static_cast<std::uint8_t>(v));
        if (s.data.size() % 2)
            b.push_back(0);
    }
    return b;
}
