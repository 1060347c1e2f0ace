// The desktop host: the saved game sits beside the media, and nothing waits on the program.
#include "platform/host.h"

void yield_to_host() {}

std::string saved_game_folder(const std::string& media_folder) {
    return media_folder;
}

void saved_game_written() {}

void program_ended() {}
