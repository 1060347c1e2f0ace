// The desktop host: the saved game stays where start-up chose, and nothing waits on the program.
#include "platform/host.h"

void yield_to_host() {}

std::string saved_game_folder(const std::string& chosen) {
    return chosen;
}

void saved_game_written() {}

void host_watch_leaving(void (*)()) {}

void program_ended() {}
