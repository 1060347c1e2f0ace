// A photo made into a level picture: the way up its camera recorded, its centred square, the size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// An 8-bit RGB picture, row by row, three bytes a pixel.
struct rgb_image {
    int w = 0, h = 0;
    std::vector<std::uint8_t> pixels;
};

// The orientation a camera wrote into a JPEG's Exif block or a PNG's eXIf chunk, 1 to 8 as Exif
// numbers them (1: as stored, 6: turn a quarter clockwise to see it upright, ...). 1 when the
// file holds none, or holds one that cannot be read.
int photo_orientation(const std::uint8_t* data, std::size_t size);

// The picture turned and mirrored so that it stands as the camera saw it.
rgb_image upright(const rgb_image& stored, int orientation);

// The largest centred square of the picture, resampled to size x size (area average when
// shrinking, bilinear when growing).
rgb_image square_crop_resize(const rgb_image& source, int size);
