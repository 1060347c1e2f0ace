// Recordings and replays: what is refused and why, and a recording's events at their polls.
#include <gtest/gtest.h>

#include <SDL.h>
#include <deque>
#include <utility>

#include "platform/input.h"
#include "platform/input_source.h"
#include "app/replay.h"
#include "app/startup.h"
#include "tests/support/test_support.h"

namespace {

std::deque<SDL_Event> Queue;
int queued(SDL_Event* e) {
    if (Queue.empty())
        return 0;
    *e = Queue.front();
    Queue.pop_front();
    return 1;
}

void record_a_few_polls(const std::string& path) {
    Scale = 1;
    startup_seed = [] { return 4242u; };
    record_begin(path.c_str());
    startup_seed();
    input_event_source = queued;
    input_state in{};
    SDL_Event down{};
    down.type = SDL_MOUSEBUTTONDOWN;
    down.button.x = 33;
    down.button.y = 44;
    input_poll(in);
    input_poll(in);
    Queue.push_back(down);
    input_poll(in);
    record_finish();
    std::exit(0);
}

} // namespace

TEST(Replay, RefusesWhatIsNotASoundReplayWithTheLineAndWhy) {
    const std::string h = "tessoli-replay 1\nscale 2\nseed 99\n";
    const std::pair<std::string, const char*> refused[] = {
        {"tessoli-replay 2\nscale 2\nseed 1\nend 0\n", "line 1: a replay of another version"},
        {"tessoli-replay 1\nscale 0\nseed 1\nend 0\n", "line 2: Scale out of range"},
        {"a recording\n", "line 1: not the header of a replay"},
        {h + "0 5 1 1 1\n", "line 4: no end line"},
        {h + "3 5 1 1 1\n3 6 1 1 1\nend 9\n", "line 5: poll numbers must rise: one event per poll"},
        {h + "3 99 1 1 1\nend 9\n", "line 4: unknown event type"},
        {h + "8 5 1 1 1\nend 8\n", "line 5: the end comes before the last event"},
    };
    for (const auto& r : refused) {
        replay_data data;
        std::string why;
        EXPECT_FALSE(replay_parse(r.first, data, why)) << r.second;
        EXPECT_EQ(why, r.second);
    }
}

TEST(ReplayDeathTest, AnotherScaleStopsWithAMessage) {
    temp_dir dir;
    write_file(dir.file("r.replay"), "tessoli-replay 1\nscale 1\nseed 5\nend 3\n");
    EXPECT_EXIT(
        {
            replay_begin(dir.file("r.replay").c_str());
            Scale = 2;
            startup_seed();
        },
        testing::ExitedWithCode(1), "replay: recorded at Scale 1, but config.tll says Scale 2");
    write_file(dir.file("bad.replay"), "tessoli-replay 7\nscale 1\nseed 5\nend 3\n");
    EXPECT_EXIT(replay_begin(dir.file("bad.replay").c_str()), testing::ExitedWithCode(1),
                "replay .*bad.replay: line 1: a replay of another version");
    EXPECT_EXIT(replay_begin(dir.file("missing.replay").c_str()), testing::ExitedWithCode(1),
                "Couldn't read replay .*missing.replay");
}

TEST(ReplayDeathTest, RecordedEventsComeBackAtTheirPolls) {
    // Recorded in a child process, so the recording's hooks stay out of the other tests.
    temp_dir dir;
    std::string path = dir.file("round.replay");
    EXPECT_EXIT(record_a_few_polls(path), testing::ExitedWithCode(0), "");
    replay_data data;
    std::string error;
    ASSERT_TRUE(replay_parse(read_file(path), data, error)) << error;
    EXPECT_EQ(data.scale, 1);
    EXPECT_EQ(data.seed, 4242u);
    ASSERT_EQ(data.events.size(), 1u);
    EXPECT_EQ(data.events[0].poll, 2u);
    EXPECT_EQ(data.events[0].type, SDL_MOUSEBUTTONDOWN);
    EXPECT_EQ(data.events[0].b, 33);
    EXPECT_EQ(data.events[0].c, 44);
    EXPECT_EQ(data.end_poll, 3u);
}
