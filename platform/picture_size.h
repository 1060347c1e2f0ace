// The size a JPEG, PNG or BMP picture gives in its header, and the largest picture the game
// decodes.
#pragma once

#include <cstddef>
#include <string>

// No picture of the game's media comes near these at any Scale (a whole screen at Scale 16 is
// 3840x5120, under 20 million pixels); one beyond either is refused before its pixels are
// decoded, which would take its width x height x 4 bytes.
constexpr long long PictureSideLimit = 16384;
constexpr long long PicturePixelLimit = 1LL << 25; // 33,554,432 pixels

// Width and height as the header gives them; false when the bytes hold no header of the three
// formats that can be read (too short, another format, or a JPEG whose frame header lies past the
// bytes given).
bool picture_header_size(const unsigned char* bytes, std::size_t size, long long* w, long long* h);

// The format the first bytes name, whatever follows them.
enum class picture_format { none, jpeg, png, bmp };
picture_format picture_format_of(const unsigned char* bytes, std::size_t size);

// Whether the game decodes these bytes: a JPEG, PNG or BMP by its first bytes whose header gives
// a size of at least one pixel a side and within both limits, and, for a PNG, whose chunks lie
// inside the bytes up to its end chunk. Anything else (a GIF, a picture of no size, a huge one, a
// PNG chunk claiming more bytes than there are) is refused with the reason in *why, before a
// decoder sees a byte of it.
bool picture_acceptable(const unsigned char* bytes, std::size_t size, std::string* why);

// The same for a player's photo, which must be a JPEG or a PNG.
bool photo_acceptable(const unsigned char* bytes, std::size_t size, std::string* why);

// True, with the reason in *why, when the header gives a size beyond either limit.
bool picture_too_large(const unsigned char* bytes, std::size_t size, std::string* why);
