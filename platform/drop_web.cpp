// Photos in the page: the page's own button brings them (the browser's picker), made upright,
// square and level-sized by the page, into a folder the game then takes them from.
#include "platform/drop.h"

#include <deque>
#include <emscripten.h>

namespace {
std::deque<std::string> Dropped;
}

bool drop_start() {
    return true;
}

bool drop_take(std::string* path) {
    if (Dropped.empty())
        return false;
    *path = Dropped.front();
    Dropped.pop_front();
    return true;
}

// Called by the page between frames: 1 when photos wait in /tmp/photos/ to join the player's
// pictures, 0 when the page removed them from the pictures folder itself.
extern "C" EMSCRIPTEN_KEEPALIVE void tessoli_photos_changed(int arrived) {
    Dropped.emplace_back(arrived ? "/tmp/photos" : "");
}
