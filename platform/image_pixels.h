// A photo's bytes decoded to plain RGB pixels by the platform's own picture decoder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Decodes a JPEG or PNG held in memory to w x h pixels, three bytes each (red, green, blue), row
// after row. Anything else, and a picture beyond the game's size limits, is refused before its
// pixels are decoded. False with the reason in *why.
bool decode_rgb_pixels(const unsigned char* bytes, std::size_t size, std::vector<std::uint8_t>* rgb,
                       int* w, int* h, std::string* why);

// Whether the bytes begin as a JPEG or a PNG does.
inline bool is_jpeg_or_png(const unsigned char* b, std::size_t size) {
    static const unsigned char png[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF)
        return true;
    if (size < 8)
        return false;
    for (int i = 0; i < 8; ++i)
        if (b[i] != png[i])
            return false;
    return true;
}
