// Fuzz target: a picture's header, read for its size before anything is decoded.
#include <string>

#include "fuzz_support.h"
#include "platform/picture_size.h"

int fuzz_picture(const uint8_t* data, size_t size) {
    long long w = 0, h = 0;
    bool read = picture_header_size(data, size, &w, &h);
    std::string why;
    bool refused = picture_too_large(data, size, &why);
    // Only a size that was read can refuse a picture, and only one beyond a limit.
    FUZZ_CHECK(!refused || read);
    FUZZ_CHECK(refused == !why.empty());
    if (read && !refused)
        FUZZ_CHECK(w <= PictureSideLimit && h <= PictureSideLimit && w * h <= PicturePixelLimit);
    if (read)
        FUZZ_CHECK(w <= 4294967295LL && h <= 4294967295LL && h >= 0);
    return 0;
}
