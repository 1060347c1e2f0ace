// The browser host: frames return to the page, saves go to IndexedDB, a hidden or closed page
// saves and pauses, the end shows a farewell.
#include "platform/host.h"

#include <emscripten.h>

#include "platform/input.h"

namespace {
void (*SaveNow)() = nullptr;
}

void yield_to_host() {
    emscripten_sleep(0);
}

std::string saved_game_folder(const std::string&) {
    // IndexedDB is mounted here by the page before the game starts, apart from the media.
    return "/save/";
}

void saved_game_written() {
    // The page's script puts the folder's files into IndexedDB at once (tessoliStoreSaves).
    EM_ASM({ Module.tessoliStoreSaves(); });
}

// Called by the page's own listeners between frames (the game sleeps in a frame's wait, never
// halfway through a move).
extern "C" EMSCRIPTEN_KEEPALIVE void tessoli_page_leaving(int save) {
    if (save && SaveNow)
        SaveNow();
    input_note_focus_lost();
}

void host_watch_leaving(void (*save_now)()) {
    SaveNow = save_now;
    EM_ASM({ Module.tessoliWatchLeaving(); });
}

// The script's === must stay whole, so the formatter leaves this alone.
// clang-format off
void program_ended() {
    EM_ASM({ if (typeof tessoliEnded === "function") tessoliEnded(); });
}
// clang-format on
