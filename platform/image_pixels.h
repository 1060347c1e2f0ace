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
