// Picture files of the media tools: JPEG, 8-bit palette BMP and PNG, written to and read from
// bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "res/photo.h" // rgb_image, and the photos' square

using bytes_t = std::vector<std::uint8_t>;

// Little-endian numbers, as BMP, WAV and the like store them.
inline void put16(bytes_t& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v & 255));
    b.push_back(static_cast<std::uint8_t>((v >> 8) & 255));
}

inline void put32(bytes_t& b, std::uint32_t v) {
    put16(b, v & 0xffff);
    put16(b, v >> 16);
}

// An 8-bit palette picture: one palette index per pixel and 256 palette colours (RGB).
struct indexed_image {
    int w = 0, h = 0;
    bytes_t index;
    std::uint8_t palette[256][3] = {};
};

bytes_t encode_jpeg(const rgb_image& image, int quality);
bytes_t encode_bmp8(const indexed_image& image);
bytes_t encode_png(const rgb_image& image);

// Decoders for the pack tool's own pictures; false with a reason in *error when they fail (a
// CMYK JPEG, a GIF, a broken file, a side over kLargestSide pixels).
constexpr unsigned kLargestSide = 20000;
bool decode_jpeg(const bytes_t& data, rgb_image* out, std::string* error);
bool decode_png(const bytes_t& data, rgb_image* out, std::string* error);
bool decode_picture(const bytes_t& data, rgb_image* out, std::string* error);

// Whole-file helpers. Reading takes regular files of at most limit bytes only (the default: far
// beyond any pack the tools write); why (when given) gets the reason.
constexpr std::size_t ToolFileLimit = std::size_t(1) << 30;
bool read_whole_file(const std::string& path, bytes_t* out, std::string* why = nullptr,
                     std::size_t limit = ToolFileLimit);
// Writes a file whole (removed again when that fails).
bool write_new_file(const std::string& path, const bytes_t& data);
// Writes through a temporary file and a rename, and only when the bytes differ from what is there.
bool write_file_if_changed(const std::string& path, const bytes_t& data);
