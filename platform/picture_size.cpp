// Reading a picture's size from its header, before anything is decoded.
#include "platform/picture_size.h"

#include <climits>
#include <cstdio>
#include <cstring>

namespace {

unsigned big16(const unsigned char* p) {
    return (unsigned(p[0]) << 8) | p[1];
}
unsigned long big32(const unsigned char* p) {
    return (static_cast<unsigned long>(big16(p)) << 16) | big16(p + 2);
}
long long little32_signed(const unsigned char* p) {
    unsigned long v = p[0] | (unsigned(p[1]) << 8) | (static_cast<unsigned long>(p[2]) << 16) |
                      (static_cast<unsigned long>(p[3]) << 24);
    return v >= 0x80000000UL ? static_cast<long long>(v) - 0x100000000LL
                             : static_cast<long long>(v);
}

bool is_frame_marker(unsigned char m) {
    // Start-of-frame markers; C4, C8 and CC share the range but are tables, not frames.
    return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}

bool jpeg_size(const unsigned char* b, std::size_t size, long long* w, long long* h) {
    std::size_t at = 2;
    while (at + 4 <= size) {
        if (b[at] != 0xFF)
            return false;
        unsigned char marker = b[at + 1];
        if (marker == 0xFF) { // fill byte
            at++;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) { // no length follows
            at += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) // the end, or the scan data before any frame
            return false;
        unsigned length = big16(b + at + 2);
        if (length < 2)
            return false;
        if (is_frame_marker(marker)) {
            if (at + 9 > size || length < 7)
                return false;
            *h = big16(b + at + 5);
            *w = big16(b + at + 7);
            return true;
        }
        at += 2 + length;
    }
    return false;
}

// Whether a PNG's chunks lie inside its bytes up to its end chunk. SDL_image's PNG reader takes a
// short read for a whole one, so libpng went on through stale bytes: a chunk claiming two gigabytes
// in a 300-byte file, or a file without its end chunk, kept it checksumming for minutes.
bool png_chunks_fit(const unsigned char* b, std::size_t size) {
    std::size_t at = 8;
    while (at + 8 <= size) {
        unsigned long length = big32(b + at);
        if (length > 0x7FFFFFFFUL || length + 12 > size - at)
            return false;
        if (std::memcmp(b + at + 4, "IEND", 4) == 0)
            return true;
        at += 12 + length;
    }
    return false;
}

} // namespace

picture_format picture_format_of(const unsigned char* b, std::size_t size) {
    static const unsigned char png[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size >= 8 && std::memcmp(b, png, 8) == 0)
        return picture_format::png;
    if (size >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF)
        return picture_format::jpeg;
    if (size >= 2 && b[0] == 'B' && b[1] == 'M')
        return picture_format::bmp;
    return picture_format::none;
}

bool picture_header_size(const unsigned char* b, std::size_t size, long long* w, long long* h) {
    static const unsigned char png[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size >= 24 && std::memcmp(b, png, 8) == 0 && std::memcmp(b + 12, "IHDR", 4) == 0) {
        *w = static_cast<long long>(big32(b + 16));
        *h = static_cast<long long>(big32(b + 20));
        return true;
    }
    if (size >= 26 && b[0] == 'B' && b[1] == 'M') {
        if (little32_signed(b + 14) == 12) { // the old 12-byte header: 16-bit sides
            *w = b[18] | (b[19] << 8);
            *h = b[20] | (b[21] << 8);
        } else {
            *w = little32_signed(b + 18);
            *h = little32_signed(b + 22);
            if (*h < 0) // rows stored top-down
                *h = -*h;
        }
        return true;
    }
    if (size >= 4 && b[0] == 0xFF && b[1] == 0xD8)
        return jpeg_size(b, size, w, h);
    return false;
}

bool picture_too_large(const unsigned char* bytes, std::size_t size, std::string* why) {
    long long w = 0, h = 0;
    if (!picture_header_size(bytes, size, &w, &h))
        return false;
    if (w <= PictureSideLimit && h <= PictureSideLimit && w * h <= PicturePixelLimit)
        return false;
    char line[160];
    std::snprintf(line, sizeof line,
                  "picture of %lldx%lld pixels is larger than %lld a side or %lld pixels in all", w,
                  h, PictureSideLimit, PicturePixelLimit);
    *why = line;
    return true;
}

bool picture_acceptable(const unsigned char* bytes, std::size_t size, std::string* why) {
    if (picture_format_of(bytes, size) == picture_format::none) {
        *why = "not a JPEG, PNG or BMP picture";
        return false;
    }
    long long w = 0, h = 0;
    if (!picture_header_size(bytes, size, &w, &h)) {
        *why = "no picture size in its header";
        return false;
    }
    if (w < 1 || h < 1) {
        *why = "picture of " + std::to_string(w) + "x" + std::to_string(h) + " pixels";
        return false;
    }
    if (picture_too_large(bytes, size, why))
        return false;
    if (picture_format_of(bytes, size) == picture_format::png && !png_chunks_fit(bytes, size)) {
        *why = "the PNG's chunks run past the end of the picture";
        return false;
    }
    return true;
}

bool photo_acceptable(const unsigned char* bytes, std::size_t size, std::string* why) {
    picture_format format = picture_format_of(bytes, size);
    if (format != picture_format::jpeg && format != picture_format::png) {
        *why = "not a JPEG or PNG picture";
        return false;
    }
    if (size > static_cast<std::size_t>(INT_MAX)) {
        *why = "larger than any picture";
        return false;
    }
    return picture_acceptable(bytes, size, why);
}
