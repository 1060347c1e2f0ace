// Frame pacing against a fake clock: early, late, on time and far-ahead deadlines.
#include <gtest/gtest.h>

#include <vector>

#include "app/frame_clock.h"

namespace {

uint32_t FakeNow;
std::vector<uint32_t> Sleeps;

uint32_t fake_ticks() {
    return FakeNow;
}
void fake_delay(uint32_t ms) {
    Sleeps.push_back(ms);
    FakeNow += ms;
}

class FrameClock : public ::testing::Test {
  protected:
    void SetUp() override {
        frame_clock_ticks = fake_ticks;
        frame_clock_delay = fake_delay;
        Sleeps.clear();
        FakeNow = 1000;
        set_frame_period(40);
        start_frame_clock();
    }
};

} // namespace

TEST_F(FrameClock, PeriodFromFramesPerSecond) {
    EXPECT_EQ(FramePeriodMs, 40);
    EXPECT_EQ(derived_frames_per_second(), 25);
    EXPECT_EQ(NextFrameTicks, 1040u);
    set_frame_period(30);
    EXPECT_EQ(derived_frames_per_second(), 33); // 1000/30 truncated
    set_frame_period(1000 / 25);
    EXPECT_EQ(derived_frames_per_second(), 25); // 25 -> 40 -> 25 stays put
}

TEST_F(FrameClock, EarlyFrameSleepsToTheDeadline) {
    FakeNow = 1010; // the frame took 10 ms
    wait_for_frame();
    ASSERT_EQ(Sleeps.size(), 1u);
    EXPECT_EQ(Sleeps[0], 30u);
    EXPECT_EQ(NextFrameTicks, 1080u);
    EXPECT_EQ(FakeNow, 1040u);
}

TEST_F(FrameClock, LateFrameNeitherSleepsNorCatchesUp) {
    FakeNow = 1100; // 60 ms late
    wait_for_frame();
    EXPECT_TRUE(Sleeps.empty());
    EXPECT_EQ(NextFrameTicks, 1140u);
    // The next frame is paced from now again, not squeezed to make up the lost time.
    FakeNow = 1105;
    wait_for_frame();
    ASSERT_EQ(Sleeps.size(), 1u);
    EXPECT_EQ(Sleeps[0], 35u);
}

TEST_F(FrameClock, OnTheDotCountsAsLate) {
    FakeNow = 1040;
    wait_for_frame();
    EXPECT_TRUE(Sleeps.empty());
    EXPECT_EQ(NextFrameTicks, 1080u);
}

TEST_F(FrameClock, DeadlineFarAheadIsPulledBack) {
    NextFrameTicks = 5000; // more than one period ahead of the clock
    FakeNow = 1000;
    wait_for_frame();
    ASSERT_EQ(Sleeps.size(), 1u);
    EXPECT_EQ(Sleeps[0], 40u);
    EXPECT_EQ(NextFrameTicks, 1040u); // now + period, measured before the sleep
}

TEST_F(FrameClock, SteadyRunKeepsTwentyFiveFramesASecond) {
    for (int frame = 0; frame < 25; frame++) {
        FakeNow += 7; // work of the frame
        wait_for_frame();
    }
    EXPECT_EQ(FakeNow, 2000u);
    EXPECT_EQ(Sleeps.size(), 25u);
}
