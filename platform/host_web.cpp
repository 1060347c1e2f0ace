// The browser host: frames return to the page, saves go to IndexedDB, the end shows a farewell.
#include "platform/host.h"

#include <emscripten.h>

void yield_to_host() {
    emscripten_sleep(0);
}

std::string saved_game_folder(const std::string&) {
    // IndexedDB is mounted here by the page before the game starts, apart from the media.
    return "/save/";
}

void saved_game_written() {
    EM_ASM({
        FS.syncfs(
            false, function(error) {
                if (error)
                    console.error("Couldn't store the saved game: " + error);
            });
    });
}

// The script's === must stay whole, so the formatter leaves this alone.
// clang-format off
void program_ended() {
    EM_ASM({ if (typeof tessoliEnded === "function") tessoliEnded(); });
}
// clang-format on
