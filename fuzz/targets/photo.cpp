// Fuzz target: a file in the player's pictures folder, read, made ready and loaded as a level.
#include <string>

#include "fuzz_support.h"
#include "res/photo.h"
#include "res/player_pictures.h"

int fuzz_photo(const uint8_t* data, size_t size) {
    const std::string& folder = fuzz_folder();
    PlayerPicturesFolder = folder;
    PlayerPicturesCache = folder + "ready/";
    fuzz_write(folder + "photo.jpg", data, size);
    int orientation = photo_orientation(data, size);
    FUZZ_CHECK(orientation >= 1 && orientation <= 8);
    std::string hash, checked, path, why;
    bool looks = check_player_picture("photo.jpg", &checked, &why);
    FUZZ_CHECK(looks == why.empty());
    // A small level keeps each run quick; the work is the same at any size.
    bool ready = prepare_player_picture("photo.jpg", 9, &hash, &path, &why);
    FUZZ_CHECK(!ready || looks);
    FUZZ_CHECK(!ready || (hash == checked && path == cached_player_picture(hash, 9)));
    FUZZ_CHECK(ready || path.empty());
    return 0;
}
