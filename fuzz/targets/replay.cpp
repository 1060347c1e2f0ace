// Fuzz target: the replay reader, and a parsed replay written out again and read back.
#include <string>

#include "app/replay.h"
#include "fuzz_support.h"

namespace {

std::string write(const replay_data& r) {
    std::string text = "tessoli-replay " + std::to_string(r.version) + "\nscale " +
                       std::to_string(r.scale) + "\nseed " + std::to_string(r.seed) + "\n";
    for (const replay_event& e : r.events)
        text += std::to_string(e.poll) + " " + std::to_string(e.type) + " " + std::to_string(e.a) +
                " " + std::to_string(e.b) + " " + std::to_string(e.c) + "\n";
    return text + "end " + std::to_string(r.end_poll) + "\n";
}

} // namespace

int fuzz_replay(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    replay_data r;
    std::string error;
    if (!replay_parse(text, r, error)) {
        FUZZ_CHECK(!error.empty());
        return 0;
    }
    FUZZ_CHECK(r.version == ReplayVersion);
    FUZZ_CHECK(r.scale >= 1 && r.scale <= 16);
    for (size_t i = 0; i < r.events.size(); i++) {
        const replay_event& e = r.events[i];
        FUZZ_CHECK(i == 0 || e.poll > r.events[i - 1].poll);
        FUZZ_CHECK(e.a >= 0 && e.a <= 65535 && e.b >= 0 && e.b <= 65535 && e.c >= 0 &&
                   e.c <= 65535);
    }
    FUZZ_CHECK(r.events.empty() || r.end_poll > r.events.back().poll);

    replay_data again;
    FUZZ_CHECK(replay_parse(write(r), again, error));
    FUZZ_CHECK(again.version == r.version && again.scale == r.scale && again.seed == r.seed &&
               again.end_poll == r.end_poll && again.events.size() == r.events.size());
    for (size_t i = 0; i < r.events.size() && i < again.events.size(); i++) {
        const replay_event& a = r.events[i];
        const replay_event& b = again.events[i];
        FUZZ_CHECK(a.poll == b.poll && a.type == b.type && a.a == b.a && a.b == b.b && a.c == b.c);
    }
    return 0;
}
