// The state machine: exact dispatch, unknown states, and one pass of the main loop.
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

TEST_F(State, DispatchComparesNamesExactly) {
    for (const char* name : {"Init_intro", "init_intro ", "init", "", "gra2"}) {
        GameState = name;
        GameSubState = "unchanged";
        dispatch_state();
        EXPECT_EQ(GameState, name) << "a near miss ran a handler";
        EXPECT_EQ(GameSubState, "unchanged");
    }
    GameState = "init_intro";
    dispatch_state();
    EXPECT_EQ(GameState, "intro");
}

TEST_F(State, UnknownStateKeepsPollingAndPacing) {
    GameState = "nowhere";
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
    // A frozen screen is said once, not every frame; a new wrong name, or the same one after a
    // screen ran, is said again.
    EXPECT_EQ(said, "No screen is called \"nowhere\": the frame runs no handler\n");
    testing::internal::CaptureStderr();
    GameState = "elsewhere";
    dispatch_state();
    dispatch_state();
    GameState = states::init_intro;
    dispatch_state();
    GameState = "elsewhere";
    dispatch_state();
    said = testing::internal::GetCapturedStderr();
    const std::string line = "No screen is called \"elsewhere\": the frame runs no handler\n";
    size_t first = said.find(line);
    ASSERT_NE(first, std::string::npos) << said;
    size_t second = said.find(line, first + line.size());
    ASSERT_NE(second, std::string::npos) << said;
    EXPECT_EQ(said.find(line, second + line.size()), std::string::npos) << said;
    EXPECT_EQ(said.find("nowhere"), std::string::npos) << said;
    // An empty name is no screen either.
    testing::internal::CaptureStderr();
    GameState = "";
    dispatch_state();
    dispatch_state();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "No screen is called \"\": the frame runs no handler\n");
}

TEST_F(State, QuitRequestEndsTheLoopAfterTheFrame) {
    GameState = "init_intro";
    GameRunning = 1;
    FramesPerSecond = 0;
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    for (int i = 0; i < 10 && GameRunning; i++)
        run_frame();
    EXPECT_EQ(GameRunning, 0);
    EXPECT_EQ(GameState, "intro"); // the frame's handler still ran
    EXPECT_EQ(FramesPerSecond, 25);
}
