// A loose picture file on every platform: the guarded read, then this platform's decoder.
#include "platform/image.h"

#include <string>

#include "platform/files.h"
#include "platform/picture_size.h"

SDL_Surface* load_picture_file(const char* path, bool key, bool* converting) {
    *converting = false;
    std::string bytes, why;
    if (read_regular_file(path, PictureFileLimit, &bytes, &why) != file_read::done) {
        SDL_SetError("%s", why.c_str());
        return nullptr;
    }
    return decode_picture(reinterpret_cast<const unsigned char*>(bytes.data()),
                          static_cast<int>(bytes.size()), key, converting);
}
