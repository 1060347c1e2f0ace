// Drops on the desktop: SDL2's file drops, which the SDL 1.2 compatibility layer has no event for.
#include "platform/drop.h"

#include <cstdint>
#include <deque>
#include <dlfcn.h>

namespace {

// The parts of SDL2's interface used here, found in the process rather than linked (as the
// window's size is): a classic SDL 1.2 has none of them and takes no drops.
using filter_fn = int (*)(void*, void*);
using get_filter_fn = int (*)(filter_fn*, void**);
using set_filter_fn = void (*)(filter_fn, void*);
using event_state_fn = std::uint8_t (*)(std::uint32_t, int);
using free_fn = void (*)(void*);

constexpr std::uint32_t DropFile = 0x1000, DropText = 0x1001, DropBegin = 0x1002,
                        DropComplete = 0x1003;

// SDL2's drop event as far as it is read: its type, then the time, then the text it owns.
struct drop_event {
    std::uint32_t type;
    std::uint32_t timestamp;
    char* file;
};

filter_fn Earlier;
void* EarlierData;
free_fn Free;
std::deque<std::string> Dropped;

// Runs where SDL2 queues its events (the game's own thread, while it pumps them). The
// compatibility layer's filter, which turns SDL2's events into SDL 1.2's, gets all the others.
int take_drops(void* data, void* event) {
    std::uint32_t type = *static_cast<std::uint32_t*>(event);
    if (type == DropFile || type == DropText) {
        drop_event* drop = static_cast<drop_event*>(event);
        if (type == DropFile && drop->file)
            Dropped.emplace_back(drop->file);
        if (drop->file && Free)
            Free(drop->file);
        return 0;
    }
    // SDL2 sends a drop's files only once the event that opens the drop has been queued.
    if (type == DropBegin || type == DropComplete)
        return 1;
    return Earlier ? Earlier(EarlierData, event) : 1;
}

} // namespace

bool drop_start() {
    void* sdl2 = dlopen("libSDL2-2.0.so.0", RTLD_LAZY | RTLD_NOLOAD);
    if (!sdl2)
        return false;
    auto get_filter = reinterpret_cast<get_filter_fn>(dlsym(sdl2, "SDL_GetEventFilter"));
    auto set_filter = reinterpret_cast<set_filter_fn>(dlsym(sdl2, "SDL_SetEventFilter"));
    auto event_state = reinterpret_cast<event_state_fn>(dlsym(sdl2, "SDL_EventState"));
    Free = reinterpret_cast<free_fn>(dlsym(sdl2, "SDL_free"));
    bool ok = get_filter && set_filter && event_state && Free;
    if (ok) {
        if (!get_filter(&Earlier, &EarlierData))
            Earlier = nullptr;
        if (Earlier != take_drops)
            set_filter(take_drops, nullptr);
        event_state(DropFile, 1); // SDL2 leaves drops off; on, the window says it takes them
    }
    dlclose(sdl2); // the library stays: the compatibility layer holds it
    return ok;
}

bool drop_take(std::string* path) {
    if (Dropped.empty())
        return false;
    *path = Dropped.front();
    Dropped.pop_front();
    return true;
}
