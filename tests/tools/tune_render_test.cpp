// The tune as the browser plays it: one whole pass of the song, joined end to start without a
// click, and the same bytes on every build.
#include "tools/tune_render.h"

#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <utility>
#include <cmath>
#include <cstring>

#include "tests/support/test_support.h"
#include "tools/sound_gen.h"

namespace {

struct decoded {
    int channels = 0;
    long rate = 0;
    std::vector<float> frames; // interleaved stereo
};

decoded decode(const bytes_t& ogg) {
    temp_dir dir;
    write_file(dir.file("tune.ogg"), std::string(ogg.begin(), ogg.end()));
    OggVorbis_File vf;
    decoded out;
    if (ov_fopen(dir.file("tune.ogg").c_str(), &vf) != 0)
        return out;
    out.channels = ov_info(&vf, -1)->channels;
    out.rate = ov_info(&vf, -1)->rate;
    float** pcm;
    int section;
    long n;
    while ((n = ov_read_float(&vf, &pcm, 4096, &section)) > 0)
        for (long i = 0; i < n; ++i)
            for (int c = 0; c < out.channels; ++c)
                out.frames.push_back(pcm[c][i]);
    ov_clear(&vf);
    return out;
}

// Rendering and encoding take seconds: once for the whole group.
const bytes_t& tune_module() {
    static const bytes_t module = build_module();
    return module;
}
const bytes_t& tune_ogg() {
    static const bytes_t ogg = render_tune_ogg(tune_module());
    return ogg;
}
const decoded& tune_decoded() {
    static const decoded d = decode(tune_ogg());
    return d;
}

double rms(const std::vector<float>& v) {
    double sum = 0;
    for (float x : v)
        sum += double(x) * x;
    return std::sqrt(sum / double(v.size()));
}

double rms_difference(const std::vector<float>& a, const std::vector<float>& b) {
    std::vector<float> d(a.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        d[i] = a[i] - b[i];
    return rms(d);
}

// The largest step from one frame to the next on either channel, over [from, to).
float largest_step(const std::vector<float>& v, std::size_t from, std::size_t to) {
    float step = 0;
    for (std::size_t i = from + 1; i < to; ++i)
        for (int c = 0; c < 2; ++c)
            step = std::max(step, std::fabs(v[2 * i + c] - v[2 * (i - 1) + c]));
    return step;
}

const long kWindow = 2048; // frames either side of the join

TEST(TuneRendering, LastsOnePassAndItsEndRunsOnIntoItsStartWithoutAClick) {
    // One pass: the order list's length in patterns of 64 rows, 6 ticks a row at tempo 125 (a
    // tick is 2.5 / 125 s), and the file ends exactly there.
    const long pass = tune_pass_frames(tune_module());
    EXPECT_EQ(pass, tune_module()[950] * 64 * 6 * (kTuneRate / 50));
    // The song as it plays on across its second loop point, and across its first: a pass is the
    // song's true period, so the two agree.
    std::vector<float> across = render_tune(tune_module(), 2 * pass - kWindow, 2 * kWindow);
    std::vector<float> first = render_tune(tune_module(), pass - kWindow, 2 * kWindow);
    ASSERT_EQ(across.size(), std::size_t(4 * kWindow));
    EXPECT_LT(rms_difference(across, first), 1e-4);

    // The file's end followed by its start sounds like the song playing on, within what the
    // encoder loses anywhere else in the file.
    const decoded& d = tune_decoded();
    ASSERT_EQ(std::make_pair(d.channels, d.rate), std::make_pair(2, long(kTuneRate)));
    const std::vector<float>& f = d.frames;
    ASSERT_EQ(long(f.size() / 2), pass) << "the file must end exactly at the loop point";
    std::vector<float> joined(f.end() - 2 * kWindow, f.end());
    joined.insert(joined.end(), f.begin(), f.begin() + 2 * kWindow);
    double signal = rms(across);
    ASSERT_GT(signal, 0.01) << "the join falls in silence, where any cut would pass";
    const std::size_t middle = std::size_t(pass / 2);
    std::vector<float> inside(f.begin() + 2 * (middle - kWindow),
                              f.begin() + 2 * (middle + kWindow));
    std::vector<float> inside_raw =
        render_tune(tune_module(), pass + long(middle) - kWindow, 2 * kWindow);
    // The file is the song's pass frame for frame (not shifted from the loop point), and the
    // join loses no more than the encoder does there.
    double codec_loss = rms_difference(inside, inside_raw) / rms(inside_raw);
    double join_loss = rms_difference(joined, across) / signal;
    EXPECT_LT(codec_loss, 0.1);
    EXPECT_LT(join_loss, std::max(0.1, 2 * codec_loss));

    // No click: the step from the last frame to the first is no larger than the song's own
    // steps around it.
    float join_step = largest_step(joined, kWindow - 1, kWindow + 1);
    float around =
        std::max(largest_step(joined, 0, kWindow), largest_step(joined, kWindow, 2 * kWindow));
    EXPECT_LE(join_step, around) << "join step " << join_step;
}

TEST(TuneRendering, SameBytesEveryTime) {
    // Encoders pick a random stream serial number (bytes 14..17 of the first page); the tune's
    // is a fixed one.
    const bytes_t& ogg = tune_ogg();
    ASSERT_GT(ogg.size(), 18u);
    EXPECT_EQ(ogg[14] | ogg[15] << 8 | ogg[16] << 16 | std::uint32_t(ogg[17]) << 24, kTuneSerial);
    EXPECT_TRUE(render_tune_ogg(tune_module()) == ogg);
}

} // namespace
