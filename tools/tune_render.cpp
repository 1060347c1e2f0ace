// Renders the game's module with libopenmpt and encodes one pass of it with libvorbis.
#include "tools/tune_render.h"

#include <libopenmpt/libopenmpt.h>
#include <vorbis/vorbisenc.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace {

struct module_deleter {
    void operator()(openmpt_module* m) const { openmpt_module_destroy(m); }
};
using module_ptr = std::unique_ptr<openmpt_module, module_deleter>;

module_ptr open_module(const bytes_t& module) {
    openmpt_module* m =
        openmpt_module_create_from_memory2(module.data(), module.size(), nullptr, nullptr, nullptr,
                                           nullptr, nullptr, nullptr, nullptr);
    if (!m)
        throw std::runtime_error("libopenmpt cannot read the tune");
    // Played on and on; the mixing is named outright, not left to the library's defaults.
    openmpt_module_set_repeat_count(m, -1);
    openmpt_module_set_render_param(m, OPENMPT_MODULE_RENDER_STEREOSEPARATION_PERCENT, 100);
    openmpt_module_set_render_param(m, OPENMPT_MODULE_RENDER_INTERPOLATIONFILTER_LENGTH, 4);
    openmpt_module_set_render_param(m, OPENMPT_MODULE_RENDER_MASTERGAIN_MILLIBEL, 0);
    return module_ptr(m);
}

// Appends `count` frames (or drops them when out is null).
void read_frames(openmpt_module* m, long count, std::vector<float>* out) {
    std::vector<float> block(2 * 4096);
    while (count > 0) {
        long want = count < 4096 ? count : 4096;
        std::size_t got = openmpt_module_read_interleaved_float_stereo(
            m, kTuneRate, std::size_t(want), block.data());
        if (got == 0)
            throw std::runtime_error("the tune ended while it should play on");
        if (out)
            out->insert(out->end(), block.begin(), block.begin() + 2 * long(got));
        count -= long(got);
    }
}

void put_page(bytes_t& out, const ogg_page& page) {
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

bytes_t encode_ogg(const std::vector<float>& stereo) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 2, kTuneRate, kTuneQuality) != 0) {
        vorbis_info_clear(&info);
        throw std::runtime_error("libvorbis refuses the tune's settings");
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "TITLE", "Tessoli theme");
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, kTuneSerial);

    bytes_t out;
    ogg_packet header, header_comment, header_code;
    vorbis_analysis_headerout(&dsp, &comment, &header, &header_comment, &header_code);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &header_comment);
    ogg_stream_packetin(&stream, &header_code);
    ogg_page page;
    // The audio starts on a page of its own, as decoders expect.
    while (ogg_stream_flush(&stream, &page) != 0)
        put_page(out, page);

    const long frames = long(stereo.size() / 2);
    long done = 0;
    bool end = false;
    while (!end) {
        long n = frames - done < 1024 ? frames - done : 1024;
        if (n > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp, int(n));
            for (long i = 0; i < n; ++i) {
                buffer[0][i] = stereo[2 * (done + i)];
                buffer[1][i] = stereo[2 * (done + i) + 1];
            }
            vorbis_analysis_wrote(&dsp, int(n));
            done += n;
        } else {
            vorbis_analysis_wrote(&dsp, 0); // the end: the last page says where the audio stops
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    put_page(out, page);
                    if (ogg_page_eos(&page))
                        end = true;
                }
            }
        }
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

} // namespace

long tune_pass_frames(const bytes_t& module) {
    module_ptr m = open_module(module);
    double frames = openmpt_module_get_duration_seconds(m.get()) * kTuneRate;
    long whole = std::lround(frames);
    if (whole <= 0 || std::fabs(frames - double(whole)) > 1e-3)
        throw std::runtime_error("a pass of the tune is not a whole number of frames");
    return whole;
}

std::vector<float> render_tune(const bytes_t& module, long first, long count) {
    module_ptr m = open_module(module);
    std::vector<float> out;
    out.reserve(std::size_t(2 * count));
    read_frames(m.get(), first, nullptr);
    read_frames(m.get(), count, &out);
    return out;
}

bytes_t render_tune_ogg(const bytes_t& module) {
    long pass = tune_pass_frames(module);
    return encode_ogg(render_tune(module, pass, pass));
}
