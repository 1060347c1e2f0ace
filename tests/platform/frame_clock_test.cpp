// Frame pacing against a fake clock: early, late, on time and far-ahead deadlines.
#include <gtest/gtest.h>

#include <vector>

#include "platform/frame_clock.h"

namespace {

uint32_t FakeNow;
std::vector<uint32_t> Sleeps;

void fake_delay(uint32_t ms) {
    Sleeps.push_back(ms);
    FakeNow += ms;
}

class FrameClock : public ::testing::Test {
  protected:
    void SetUp() override {
        frame_clock_ticks = [] { return FakeNow; };
        frame_clock_delay = fake_delay;
        Sleeps.clear();
        FakeNow = 1000;
        set_frame_period(40);
        start_frame_clock();
    }
};

} // namespace

TEST_F(FrameClock, EarlyFrameSleepsToTheDeadline) {
    FakeNow = 1010; // the frame took 10 ms
    wait_for_frame();
    ASSERT_EQ(Sleeps.size(), 1u);
    EXPECT_EQ(Sleeps[0], 30u);
    EXPECT_EQ(NextFrameTicks, 1080u);
}

TEST_F(FrameClock, LateOrOnTheDotNeitherSleepsNorCatchesUp) {
    FakeNow = 1040;
    wait_for_frame();
    EXPECT_TRUE(Sleeps.empty());
    FakeNow = 1140; // 60 ms late
    wait_for_frame();
    EXPECT_TRUE(Sleeps.empty());
    // The next frame is paced from now again, not squeezed to make up the lost time.
    FakeNow = 1145;
    wait_for_frame();
    ASSERT_EQ(Sleeps.size(), 1u);
    EXPECT_EQ(Sleeps[0], 35u);
}

TEST_F(FrameClock, DeadlineFarAheadIsPulledBack) {
    NextFrameTicks = 5000; // more than one period ahead: the tick count went back
    wait_for_frame();
    ASSERT_EQ(Sleeps.size(), 1u);
    EXPECT_EQ(Sleeps[0], 40u);
    EXPECT_EQ(NextFrameTicks, 1040u); // now + period, measured before the sleep
}
