// Input polling: one event per poll, the press lock and the key table.
#include <gtest/gtest.h>

#include <SDL.h>
#include <deque>

#include "app/frame_clock.h"
#include "app/input.h"
#include "app/input_source.h"

namespace {

std::deque<SDL_Event> Queue;

int fake_source(SDL_Event* e) {
    if (Queue.empty())
        return 0;
    *e = Queue.front();
    Queue.pop_front();
    return 1;
}

SDL_Event button(Uint8 type, int x, int y) {
    SDL_Event e{};
    e.type = type;
    e.button.type = type;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    return e;
}

SDL_Event key(Uint8 type, int sym) {
    SDL_Event e{};
    e.type = type;
    e.key.type = type;
    e.key.keysym.sym = static_cast<SDLKey>(sym);
    return e;
}

class Input : public ::testing::Test {
  protected:
    input_state in{};
    void SetUp() override {
        Queue.clear();
        input_event_source = fake_source;
        set_frame_period(40);
    }
    void TearDown() override { input_event_source = SDL_PollEvent; }
    void poll(int times = 1) {
        for (int i = 0; i < times; i++)
            input_poll(in);
    }
};

} // namespace

TEST_F(Input, BeforeTheFirstResetNothingIsDroppedAndATapLastsOneFrame) {
    // The loading screen and the first menu run with lockLength 0: a key does not lock the tap.
    Queue = {key(SDL_KEYDOWN, SDLK_RETURN), button(SDL_MOUSEBUTTONDOWN, 70, 130),
             button(SDL_MOUSEBUTTONUP, 70, 130)};
    poll(2);
    EXPECT_EQ(in.lockFrames, 0);
    EXPECT_EQ(in.stylusDown, 1);
    EXPECT_EQ(in.clickX, 70);
    EXPECT_EQ(in.clickY, 130);
    poll();
    EXPECT_EQ(in.stylusDown, 0);
    EXPECT_EQ(in.clickX, 0);
    EXPECT_EQ(in.clickY, 0);
    EXPECT_EQ(in.pressX, 0);
}

TEST_F(Input, HeldStylusRearmsTheLockAndDropsKeys) {
    input_reset(in);
    EXPECT_EQ(in.lockLength, 25);
    Queue.push_back(button(SDL_MOUSEBUTTONDOWN, 100, 200));
    poll(); // press accepted
    poll(); // the held stylus arms the lock
    EXPECT_EQ(in.lockFrames, 25);
    poll(24);
    EXPECT_EQ(in.lockFrames, 1);
    poll(); // runs out and is armed again at once
    EXPECT_EQ(in.lockFrames, 25);
    EXPECT_EQ(in.stylusDown, 1);
    EXPECT_EQ(in.clickX, 100);
    EXPECT_EQ(in.clickY, 200);

    // A key pressed meanwhile is dropped, but its release still counts and clears the lock.
    Queue.push_back(key(SDL_KEYDOWN, '4'));
    poll();
    EXPECT_EQ(in.keys[KEY_LEFT], 0);
    EXPECT_EQ(in.lastKeyDown, 0);
    Queue.push_back(key(SDL_KEYUP, '4'));
    poll();
    EXPECT_EQ(in.lastKeyUp, KEY_LEFT);
    EXPECT_EQ(in.lockFrames, 0);
}

TEST_F(Input, KeyDownLocksPressesForASecondUntilARelease) {
    input_reset(in);
    Queue.push_back(key(SDL_KEYDOWN, SDLK_RETURN));
    poll();
    EXPECT_EQ(in.keyPressed, 1);
    EXPECT_EQ(in.keys[KEY_ACTION], 1);
    Queue.push_back(button(SDL_MOUSEBUTTONDOWN, 10, 10));
    poll(); // the lock starts one poll after the key-down; this press is lost
    EXPECT_EQ(in.stylusDown, 0);
    EXPECT_EQ(in.keyPressed, 0);
    EXPECT_EQ(in.lockFrames, 24);
    Queue.push_back(button(SDL_MOUSEBUTTONUP, 10, 10));
    Queue.push_back(button(SDL_MOUSEBUTTONDOWN, 11, 12));
    poll(2); // the release clears the lock; the next press gets through
    EXPECT_EQ(in.stylusDown, 1);
    EXPECT_EQ(in.clickX, 11);
}

TEST_F(Input, KeyTableAndSharedCodes) {
    // The handheld's arrow and application codes and a phone keypad's digits.
    const int table[][2] = {{37, KEY_LEFT},   {'4', KEY_LEFT},   {39, KEY_RIGHT}, {'6', KEY_RIGHT},
                            {40, KEY_DOWN},   {'8', KEY_DOWN},   {38, KEY_UP},    {'2', KEY_UP},
                            {13, KEY_ACTION}, {'5', KEY_ACTION}, {'1', KEY_APP1}, {193, KEY_APP1},
                            {'7', KEY_APP2},  {194, KEY_APP2},   {'3', KEY_APP3}, {195, KEY_APP3},
                            {'9', KEY_APP4},  {196, KEY_APP4},   {'0', '0'},      {300, 300}};
    for (const auto& row : table)
        EXPECT_EQ(map_key(row[0]), row[1]) << "symbol " << row[0];

    // An unmapped key keeps its own slot; Return and '5' share one, and releasing either clears it.
    Queue = {key(SDL_KEYDOWN, 300), key(SDL_KEYDOWN, '5'), key(SDL_KEYUP, SDLK_RETURN)};
    poll();
    EXPECT_EQ(in.keys[300], 1);
    poll(2);
    EXPECT_EQ(in.lastKeyDown, KEY_ACTION);
    EXPECT_EQ(in.keys[KEY_ACTION], 0);
    EXPECT_EQ(in.lastKeyUp, KEY_ACTION);
}

TEST_F(Input, ResetAndClearStylus) {
    Queue.push_back(button(SDL_MOUSEBUTTONDOWN, 40, 50));
    Queue.push_back(key(SDL_KEYDOWN, 'q'));
    poll(2);
    input_clear_stylus(in);
    EXPECT_EQ(in.stylusDown, 0);
    EXPECT_EQ(in.clickX, 0);
    EXPECT_EQ(in.pressY, 0);
    EXPECT_EQ(in.keys['q'], 1); // keys are left alone
    input_reset(in);
    EXPECT_EQ(in.keys['q'], 0);
    EXPECT_EQ(in.lastKeyDown, 0);
}
