// JPEG (libjpeg), palette BMP and PNG (libpng) encoding and decoding for the media tools.
#include "tools/image_io.h"

#include "platform/files.h"

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>

#include <jpeglib.h>
#include <png.h>

namespace {

struct jpeg_fail {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void on_jpeg_error(j_common_ptr info) {
    jpeg_fail* fail = reinterpret_cast<jpeg_fail*>(info->err);
    (*info->err->format_message)(info, fail->message);
    std::longjmp(fail->jump, 1);
}

} // namespace

bytes_t encode_jpeg(const rgb_image& image, int quality) {
    jpeg_compress_struct info;
    jpeg_fail fail;
    info.err = jpeg_std_error(&fail.mgr);
    fail.mgr.error_exit = on_jpeg_error;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(fail.jump)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        return {};
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(image.w);
    info.image_height = static_cast<JDIMENSION>(image.h);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    // Full-resolution colour: the tiles are small and their edges must stay crisp.
    for (int i = 0; i < info.num_components; ++i) {
        info.comp_info[i].h_samp_factor = 1;
        info.comp_info[i].v_samp_factor = 1;
    }
    info.optimize_coding = TRUE;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(&image.pixels[info.next_scanline * image.w * 3u]);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    bytes_t out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

bytes_t encode_bmp8(const indexed_image& image) {
    unsigned stride = (static_cast<unsigned>(image.w) + 3u) & ~3u;
    std::uint32_t data_offset = 14 + 40 + 256 * 4;
    std::uint32_t file_size = data_offset + stride * static_cast<unsigned>(image.h);
    bytes_t b;
    b.reserve(file_size);
    b.push_back('B');
    b.push_back('M');
    put32(b, file_size);
    put32(b, 0);
    put32(b, data_offset);
    put32(b, 40);
    put32(b, static_cast<std::uint32_t>(image.w));
    put32(b, static_cast<std::uint32_t>(image.h)); // positive: rows stored bottom-up
    put16(b, 1);
    put16(b, 8);
    put32(b, 0); // no compression
    put32(b, stride * static_cast<unsigned>(image.h));
    put32(b, 2835); // 72 dpi
    put32(b, 2835);
    put32(b, 256);
    put32(b, 0);
    for (int i = 0; i < 256; ++i) {
        b.push_back(image.palette[i][2]);
        b.push_back(image.palette[i][1]);
        b.push_back(image.palette[i][0]);
        b.push_back(0);
    }
    for (int y = image.h - 1; y >= 0; --y) {
        const std::uint8_t* row = &image.index[static_cast<std::size_t>(y) * image.w];
        b.insert(b.end(), row, row + image.w);
        for (unsigned p = static_cast<unsigned>(image.w); p < stride; ++p)
            b.push_back(0);
    }
    return b;
}

bytes_t encode_png(const rgb_image& image) {
    png_image info;
    std::memset(&info, 0, sizeof info);
    info.version = PNG_IMAGE_VERSION;
    info.width = static_cast<png_uint_32>(image.w);
    info.height = static_cast<png_uint_32>(image.h);
    info.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&info, nullptr, &size, 0, image.pixels.data(), 0, nullptr))
        return {};
    bytes_t out(size);
    if (!png_image_write_to_memory(&info, out.data(), &size, 0, image.pixels.data(), 0, nullptr))
        return {};
    out.resize(size);
    return out;
}

bool decode_jpeg(const bytes_t& data, rgb_image* out, std::string* error) {
    jpeg_decompress_struct info;
    jpeg_fail fail;
    info.err = jpeg_std_error(&fail.mgr);
    fail.mgr.error_exit = on_jpeg_error;
    if (setjmp(fail.jump)) {
        *error = fail.message;
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) {
        *error = "a CMYK JPEG (for print); save it as an RGB JPEG or a PNG";
        jpeg_destroy_decompress(&info);
        return false;
    }
    if (info.image_width > kLargestSide || info.image_height > kLargestSide) {
        *error = "larger than " + std::to_string(kLargestSide) + " pixels on a side";
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out->w = static_cast<int>(info.output_width);
    out->h = static_cast<int>(info.output_height);
    out->pixels.assign(static_cast<std::size_t>(out->w) * out->h * 3, 0);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = &out->pixels[info.output_scanline * out->w * 3u];
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

bool decode_png(const bytes_t& data, rgb_image* out, std::string* error) {
    png_image info;
    std::memset(&info, 0, sizeof info);
    info.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&info, data.data(), data.size())) {
        *error = info.message;
        return false;
    }
    if (info.width > kLargestSide || info.height > kLargestSide) {
        *error = "larger than " + std::to_string(kLargestSide) + " pixels on a side";
        png_image_free(&info);
        return false;
    }
    info.format = PNG_FORMAT_RGB;
    out->w = static_cast<int>(info.width);
    out->h = static_cast<int>(info.height);
    out->pixels.assign(PNG_IMAGE_SIZE(info), 0);
    // Transparent parts come out over white, as an image viewer would show them.
    png_color white = {255, 255, 255};
    if (!png_image_finish_read(&info, &white, out->pixels.data(), 0, nullptr)) {
        *error = info.message;
        png_image_free(&info);
        return false;
    }
    return true;
}

bool decode_picture(const bytes_t& data, rgb_image* out, std::string* error) {
    if (data.size() >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF)
        return decode_jpeg(data, out, error);
    static const std::uint8_t png_magic[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (data.size() >= 8 && std::memcmp(data.data(), png_magic, 8) == 0)
        return decode_png(data, out, error);
    if (data.empty())
        *error = "an empty file";
    else if (data.size() >= 4 && std::memcmp(data.data(), "GIF8", 4) == 0)
        *error = "a GIF picture; only JPEG and PNG pictures can be read";
    else
        *error = "not a JPEG or PNG picture";
    return false;
}

bool read_whole_file(const std::string& path, bytes_t* out, std::string* why, std::size_t limit) {
    std::string reason;
    why = why ? why : &reason;
    // The game's own guarded way in: only a regular file holds bytes to take (a FIFO would block,
    // a device never end), and never more than its kind may hold.
    std::string bytes;
    out->clear();
    if (read_regular_file(path, limit, &bytes, why) != file_read::done)
        return false;
    out->assign(bytes.begin(), bytes.end());
    return true;
}

bool write_new_file(const std::string& path, const bytes_t& data) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
    ok = std::fclose(f) == 0 && ok;
    if (!ok)
        std::remove(path.c_str());
    return ok;
}

bool write_file_if_changed(const std::string& path, const bytes_t& data) {
    bytes_t old;
    if (read_whole_file(path, &old) && old == data)
        return true;
    std::string temp = path + ".new";
    if (!write_new_file(temp, data))
        return false;
    // A rename replaces the name itself, so a link left at that name is never written through.
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}
