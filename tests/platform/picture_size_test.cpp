// Picture headers read before decoding: the three formats' sizes, and the limit on huge ones.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/picture_size.h"

namespace {

using bytes = std::vector<unsigned char>;

bytes png_header(unsigned long w, unsigned long h) {
    bytes b = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (unsigned long v : {w, h})
        for (int shift = 24; shift >= 0; shift -= 8)
            b.push_back(static_cast<unsigned char>(v >> shift));
    b.insert(b.end(), {8, 6, 0, 0, 0, 0, 0, 0, 0});
    return b;
}

bytes bmp_header(long w, long h) {
    bytes b(54, 0);
    b[0] = 'B';
    b[1] = 'M';
    b[14] = 40;
    for (int i = 0; i < 4; i++) {
        b[18 + i] = static_cast<unsigned char>(static_cast<unsigned long>(w) >> (8 * i));
        b[22 + i] = static_cast<unsigned char>(static_cast<unsigned long>(h) >> (8 * i));
    }
    return b;
}

// A JPEG whose frame header follows an application segment and a table, as real files have.
bytes jpeg_header(unsigned w, unsigned h, unsigned char frame = 0xC2) {
    bytes b = {0xFF, 0xD8, 0xFF, 0xE0, 0, 6, 'J', 'F', 'I', 'F', 0xFF, 0xFF, 0xC4, 0, 3, 0};
    b.insert(b.end(), {0xFF, frame, 0, 11, 8, static_cast<unsigned char>(h >> 8),
                       static_cast<unsigned char>(h), static_cast<unsigned char>(w >> 8),
                       static_cast<unsigned char>(w), 1, 1, 0x11, 0});
    return b;
}

} // namespace

// The size each format stores, or none from what holds none.
TEST(PictureSize, HeadersOfTheThreeFormatsAndNoSizeFromWhatHoldsNone) {
    const bytes jpeg = jpeg_header(100, 100), png = png_header(10, 10);
    struct row {
        bytes header;
        long long w, h; // -1: no size
    };
    const row rows[] = {
        {png_header(240, 320), 240, 320},
        {png_header(0xFFFFFFFFUL, 1), 4294967295LL, 1}, // unsigned, as the format stores it
        {bmp_header(480, -640), 480, 640},              // rows top-down
        {jpeg_header(1234, 4321), 1234, 4321},
        {jpeg_header(300, 200, 0xC0), 300, 200},
        {bytes(jpeg.begin(), jpeg.end() - 6), -1, -1},                   // frame header cut short
        {bytes{0xFF, 0xD8, 0xFF, 0xDA, 0, 8, 1, 2, 3, 4, 5, 6}, -1, -1}, // the scan first
        {bytes{0xFF, 0xD8, 0xFF, 0xE1, 0xFF, 0xFF, 0, 0}, -1, -1},       // a length past the bytes
        {bytes(png.begin(), png.begin() + 23), -1, -1},
        {bytes{'G', 'I', 'F', '8', '9', 'a'}, -1, -1},
        {bytes{}, -1, -1},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(testing::PrintToString(r.header));
        long long w = -1, h = -1;
        EXPECT_EQ(picture_header_size(r.header.data(), r.header.size(), &w, &h), r.w >= 0);
        if (r.w >= 0) {
            EXPECT_EQ(std::make_pair(w, h), std::make_pair(r.w, r.h));
        }
    }
}

// What may be decoded: the three formats, of a real size, within the limits on huge pictures.
TEST(PictureSize, OnlyTheThreeFormatsOfARealSizeWithinTheLimitsAreDecoded) {
    struct row {
        bytes picture;
        const char* why; // empty: acceptable
    };
    bytes jpeg = jpeg_header(100, 100);
    bytes long_chunk = png_header(7, 5); // then a chunk claiming 2 GB in a few bytes
    long_chunk.insert(long_chunk.end(), {0x7F, 0xFF, 0xFF, 0xFF, 'c', 'H', 'R', 'M', 0, 0, 0, 0});
    auto ended = [](bytes png) { // a PNG header and its end chunk
        png.insert(png.end(), {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82});
        return png;
    };
    const row rows[] = {
        {bmp_header(32, -32), ""},
        {bytes{'G', 'I', 'F', '8', '9', 'a', 0, 0x20, 0, 0x20, 0, 0, 0},
         "not a JPEG, PNG or BMP picture"},
        {bytes{}, "not a JPEG, PNG or BMP picture"},
        {bytes(jpeg.begin(), jpeg.end() - 6), "no picture size in its header"},
        {png_header(0, 10), "picture of 0x10 pixels"},
        {bmp_header(-5, 10), "picture of -5x10 pixels"},
        {ended(png_header(3840, 5120)), ""},  // a whole screen at the largest Scale
        {ended(png_header(16384, 2048)), ""}, // exactly the side and pixel limits
        {jpeg_header(4096, 4096), ""},
        {png_header(1, 16385), "picture of 1x16385 pixels is larger than 16384 a side or 33554432"},
        {png_header(8192, 4097), "picture of 8192x4097"}, // sides in range, too many pixels
        {bmp_header(20, -20000), "picture of 20x20000"},
        {jpeg_header(65535, 65535), "picture of 65535x65535"},
        {long_chunk, "the PNG's chunks run past the end of the picture"},
        {png_header(7, 5), "the PNG's chunks run past the end of the picture"}, // no end chunk
    };
    for (const row& r : rows) {
        SCOPED_TRACE(testing::PrintToString(r.picture));
        std::string why;
        EXPECT_EQ(picture_acceptable(r.picture.data(), r.picture.size(), &why), !*r.why);
        EXPECT_EQ(why.compare(0, std::strlen(r.why), r.why), 0) << why;
    }
}
