// The state machine: the dispatch, a frame with no screen, and one pass of the main loop.
#include <gtest/gtest.h>

#include <SDL.h>
#include <string>

#include "platform/frame_clock.h"
#include "platform/input.h"
#include "platform/input_source.h"
#include "app/state.h"
#include "tests/support/test_support.h"

namespace {

uint32_t Now;
int Delays;
uint32_t ticks() {
    return Now;
}
void delay(uint32_t ms) {
    Now += ms;
    Delays++;
}

struct State : ::testing::Test {
    void SetUp() override {
        open_test_screen();
        frame_clock_ticks = ticks;
        frame_clock_delay = delay;
        Now = 0;
        Delays = 0;
        set_frame_period(40);
        start_frame_clock();
        InputState = input_state{};
        SDL_Event drop;
        while (SDL_PollEvent(&drop)) {
        }
    }
};

} // namespace

TEST_F(State, NoScreenKeepsPollingAndPacing) {
    enter_state(states::none, phases::none);
    GameRunning = 1;
    SDL_Event down{};
    down.type = SDL_MOUSEBUTTONDOWN;
    down.button.button = SDL_BUTTON_LEFT;
    down.button.x = 3;
    down.button.y = 4;
    SDL_PushEvent(&down);
    testing::internal::CaptureStderr();
    for (int i = 0; i < 5; i++)
        run_frame();
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(InputState.stylusDown, 1);
    EXPECT_EQ(Delays, 5);
    EXPECT_EQ(Now, 200u);
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

TEST_F(State, QuitRequestEndsTheLoopAfterTheFrame) {
    enter_screen(states::init_intro);
    GameRunning = 1;
    FramesPerSecond = 0;
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    for (int i = 0; i < 10 && GameRunning; i++)
        run_frame();
    EXPECT_EQ(GameRunning, 0);
    EXPECT_EQ(GameState, states::intro); // the frame's handler still ran
    EXPECT_EQ(FramesPerSecond, 25);
}
