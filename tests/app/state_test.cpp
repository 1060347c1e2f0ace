// The state machine: the dispatch and a frame with no screen.
#include <gtest/gtest.h>

#include <SDL.h>
#include <string>

#include "platform/frame_clock.h"
#include "platform/input.h"
#include "platform/input_source.h"
#include "app/state.h"
#include "tests/support/test_support.h"

TEST(State, NoScreenKeepsPollingAndPacing) {
    static uint32_t now;
    static int delays;
    open_test_screen();
    frame_clock_ticks = [] { return now; };
    frame_clock_delay = [](uint32_t ms) { now += ms, delays++; };
    set_frame_period(40);
    start_frame_clock();
    InputState = input_state{};
    for (SDL_Event drop; SDL_PollEvent(&drop);) {
    }
    enter_state(states::none, phases::none);
    GameRunning = 1;
    SDL_Event down{};
    down.button = {SDL_MOUSEBUTTONDOWN, 0, SDL_BUTTON_LEFT, SDL_PRESSED, 3, 4};
    SDL_PushEvent(&down);
    testing::internal::CaptureStderr();
    for (int i = 0; i < 5; i++)
        run_frame();
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(InputState.stylusDown, 1);
    EXPECT_EQ(delays, 5);
    EXPECT_EQ(now, 200u);
    EXPECT_EQ(GameRunning, 1);
    // A frozen screen is said once, not every frame; the same name after a screen ran, again.
    EXPECT_EQ(said, "No screen is called \"\": the frame runs no handler\n");
    testing::internal::CaptureStderr();
    dispatch_state();
    enter_screen(states::init_intro);
    dispatch_state();
    EXPECT_EQ(GameState, states::intro);
    enter_screen(states::none);
    dispatch_state();
    std::string again = testing::internal::GetCapturedStderr();
    size_t first = again.find(said);
    ASSERT_NE(first, std::string::npos) << again;
    EXPECT_EQ(again.find(said, first + 1), std::string::npos) << again;
}
