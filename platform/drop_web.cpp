// Drops in the page: none reach the game through the window; the page brings photos its own way.
#include "platform/drop.h"

bool drop_start() {
    return false;
}

bool drop_take(std::string*) {
    return false;
}
