// Recordings and replays: what is refused and why, and what the state hash tells apart.
#include <gtest/gtest.h>

#include <SDL.h>
#include <set>
#include <utility>

#include "app/replay.h"
#include "app/startup.h"
#include "game/states.h"
#include "platform/random.h"
#include "tests/support/test_support.h"

TEST(Replay, RefusesWhatIsNotASoundReplayWithTheLineAndWhy) {
    replay_data keys;
    std::string ok;
    EXPECT_TRUE(replay_parse("tessoli-replay 1\nscale 2\nseed 9\n3 2 322 0 0\nend 9\n", keys, ok))
        << ok; // the last key SDL has
    const std::string h = "tessoli-replay 1\nscale 2\nseed 99\n";
    const std::pair<std::string, const char*> refused[] = {
        {"tessoli-replay 2\nscale 2\nseed 1\nend 0\n", "line 1: a replay of another version"},
        {"tessoli-replay 1\nscale 0\nseed 1\nend 0\n", "line 2: Scale out of range"},
        {"a recording\n", "line 1: not the header of a replay"},
        {h + "0 5 1 1 1\n", "line 4: no end line"},
        {h + "3 5 1 1 1\n3 6 1 1 1\nend 9\n", "line 5: poll numbers must rise: one event per poll"},
        {h + "3 99 1 1 1\nend 9\n", "line 4: unknown event type"},
        {h + "8 5 1 1 1\nend 8\n", "line 5: the end comes before the last event"},
        {h + "end 99999999999999999999999999\n", "line 4: poll number out of range"},
        {h + "3 2 512 0 0\nend 9\n", "line 4: key code outside SDL's key range"},
        {h + "3 2 -1 0 0\nend 9\n", "line 4: key code outside SDL's key range"},
        {h + "3 5 256 1 1\nend 9\n", "line 4: event field out of range"},
        {"tessoli-replay 1\nscale 2\nseed 99999999999999999999999\nend 1\n",
         "line 3: seed out of range"},
        {h + "3 5 1 1 1 7\nend 9\n", "line 4: not an event line"},
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
    // The size limit is checked while reading, so an endless file cannot exhaust memory.
    write_file(dir.file("huge.replay"), std::string(ReplayMaxBytes + 1, ' '));
    EXPECT_EXIT(replay_begin(dir.file("huge.replay").c_str()), testing::ExitedWithCode(1),
                "replay .*huge.replay: larger than 16 MiB, which no recording reaches");
}

// Every screen, phase and pause hashes apart, and a level that is not paused hashes as if the
// pause were not there: recordings that never pause keep their hashes.
TEST(Replay, StateHashNamesScreenPhaseAndPause) {
    auto hash = [] {
        game_srand(1);
        return game_state_hash();
    };
    std::set<uint64_t> seen;
    for (int s = states::none; s <= states::init_koniec_gry; s++) {
        enter_state(static_cast<states::id>(s), phases::none);
        EXPECT_TRUE(seen.insert(hash()).second) << GameState;
    }
    for (int p = phases::przejscie_obrazek; p <= phases::nextlevel; p++) {
        enter_state(states::gra, static_cast<phases::id>(p));
        EXPECT_TRUE(seen.insert(hash()).second) << GameSubState;
    }
    const uint64_t running = hash();
    for (pause_state p : {pause_state::held, pause_state::paused, pause_state::help}) {
        enter_pause(p);
        EXPECT_TRUE(seen.insert(hash()).second) << p;
    }
    enter_pause(pause_state::none);
    EXPECT_EQ(hash(), running);
    enter_state(states::none, phases::none);
}
