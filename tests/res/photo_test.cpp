// Photos: the orientation a camera wrote, read from damaged files too, and turning upright.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/photo.h"

namespace {

using bytes = std::vector<std::uint8_t>;

// A TIFF structure whose first directory holds two entries, Make (ASCII) and then Orientation of
// the type given, and no directory after it.
bytes tiff(bool big, int orientation, int type = 3) {
    const auto o = static_cast<std::uint8_t>(orientation), t = static_cast<std::uint8_t>(type);
    if (big)
        return {'M', 'M', 0, 42, 0,    0, 0, 8, 0, 2, 1, 0x0F, 0, 2, 0, 0, 0, 1, 0,
                0,   0,   0, 1,  0x12, 0, t, 0, 0, 0, 1, 0,    o, 0, 0, 0, 0, 0, 0};
    return {'I', 'I', 42, 0,    8, 0, 0, 0, 2, 0, 0x0F, 1, 2, 0, 1, 0, 0, 0, 0,
            0,   0,   0,  0x12, 1, t, 0, 1, 0, 0, 0,    o, 0, 0, 0, 0, 0, 0, 0};
}

void segment(bytes& jpeg, std::uint8_t marker, const bytes& body) {
    jpeg.insert(jpeg.end(), {0xFF, marker, static_cast<std::uint8_t>((body.size() + 2) >> 8),
                             static_cast<std::uint8_t>((body.size() + 2) & 255)});
    jpeg.insert(jpeg.end(), body.begin(), body.end());
}

// A JPEG's head: an XMP block first (also APP1), then the Exif block, then the picture data.
bytes jpeg_with(const bytes& tiff_block) {
    bytes j = {0xFF, 0xD8};
    segment(j, 0xE0, bytes{'J', 'F', 'I', 'F', 0});
    std::string xmp = "http://ns.adobe.com/xap/1.0/";
    segment(j, 0xE1, bytes(xmp.begin(), xmp.end() + 1));
    bytes exif = {'E', 'x', 'i', 'f', 0, 0};
    exif.insert(exif.end(), tiff_block.begin(), tiff_block.end());
    segment(j, 0xE1, exif);
    segment(j, 0xDA, bytes(8, 0));
    return j;
}

bytes png_with(const bytes& tiff_block) {
    bytes p = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    auto chunk = [&p](const char* type, const bytes& data) {
        std::uint32_t n = static_cast<std::uint32_t>(data.size());
        p.insert(p.end(), {static_cast<std::uint8_t>(n >> 24), static_cast<std::uint8_t>(n >> 16),
                           static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n)});
        p.insert(p.end(), type, type + 4);
        p.insert(p.end(), data.begin(), data.end());
        p.insert(p.end(), 4, 0); // the CRC is not checked here
    };
    chunk("IHDR", bytes(13, 0));
    chunk("eXIf", tiff_block);
    chunk("IEND", bytes());
    return p;
}

int orientation_of(const bytes& b) {
    return photo_orientation(b.data(), b.size());
}

// A w x h picture whose pixel (x, y) holds x and y in its red and green.
rgb_image numbered(int w, int h) {
    rgb_image im;
    im.w = w;
    im.h = h;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            im.pixels.insert(im.pixels.end(),
                             {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7});
    return im;
}

std::pair<int, int> at(const rgb_image& im, int x, int y) {
    const std::uint8_t* p = &im.pixels[(static_cast<std::size_t>(y) * im.w + x) * 3];
    return {p[0], p[1]};
}

} // namespace

TEST(Photo, OrientationFromJpegAndPngInEitherByteOrder) {
    for (bool big : {false, true})
        for (int o = 1; o <= 8; ++o) {
            EXPECT_EQ(orientation_of(jpeg_with(tiff(big, o))), o) << big;
            EXPECT_EQ(orientation_of(png_with(tiff(big, o))), o) << big;
        }
}

// Whatever a file holds, the answer is an orientation, and a doubtful one is "as stored".
TEST(Photo, DamagedOrMissingOrientationIsAsStored) {
    EXPECT_EQ(photo_orientation(nullptr, 0), 1);
    EXPECT_EQ(orientation_of(bytes{0xFF, 0xD8}), 1);
    EXPECT_EQ(orientation_of(jpeg_with(tiff(false, 9))), 1);
    EXPECT_EQ(orientation_of(jpeg_with(tiff(false, 6, 4))), 1); // not a SHORT
    bytes cut = jpeg_with(tiff(true, 6));
    for (std::size_t n = 0; n < cut.size() - 12; ++n) // every length short of the Orientation
        EXPECT_EQ(photo_orientation(cut.data(), n), 1) << n;
    bytes far = tiff(false, 6);
    far[4] = 0xF0; // the directory beyond the block
    EXPECT_EQ(orientation_of(jpeg_with(far)), 1);
    bytes many = tiff(true, 6);
    many[8] = 0xFF; // 65282 entries claimed, and no Orientation among the two there are
    many[23] = 0x13;
    EXPECT_EQ(orientation_of(png_with(many)), 1);
    bytes gif = {'G', 'I', 'F', '8', '9', 'a', 0, 0};
    EXPECT_EQ(orientation_of(gif), 1);
}

TEST(Photo, UprightTurnsAndMirrorsAsExifMeans) {
    const rgb_image stored = numbered(3, 2);
    // Where the stored picture's top-left pixel ends up, and the upright picture's size.
    struct row {
        int orientation, w, h, x, y;
    };
    for (const row& r :
         {row{1, 3, 2, 0, 0}, row{2, 3, 2, 2, 0}, row{3, 3, 2, 2, 1}, row{4, 3, 2, 0, 1},
          row{5, 2, 3, 0, 0}, row{6, 2, 3, 1, 0}, row{7, 2, 3, 1, 2}, row{8, 2, 3, 0, 2}}) {
        SCOPED_TRACE(r.orientation);
        rgb_image up = upright(stored, r.orientation);
        ASSERT_EQ(up.w, r.w);
        ASSERT_EQ(up.h, r.h);
        EXPECT_EQ(at(up, r.x, r.y), std::make_pair(0, 0));
    }
    // A quarter turn one way and then the other gives the picture back.
    EXPECT_EQ(upright(upright(stored, 6), 8).pixels, stored.pixels);
    rgb_image odd = stored;
    odd.pixels.pop_back(); // pixels that do not fill the size are left alone, never read past
    EXPECT_EQ(upright(odd, 6).pixels, odd.pixels);
}

TEST(Photo, SquareFromTheMiddleAtTheAskedSize) {
    rgb_image wide = numbered(30, 10);
    rgb_image square = square_crop_resize(wide, 5);
    ASSERT_EQ(square.w, 5);
    ASSERT_EQ(square.h, 5);
    // The middle 10 columns (10..19), two source pixels to each: means 10.5, 12.5, ...
    EXPECT_EQ(at(square, 0, 0), std::make_pair(11, 1));
    EXPECT_EQ(at(square, 4, 4), std::make_pair(19, 9));
}
