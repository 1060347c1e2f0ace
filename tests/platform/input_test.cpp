// Input polling: one event that matters per poll, the press lock and the key table.
#include <gtest/gtest.h>

#include <SDL.h>
#include <deque>
#include <utility>
#include <vector>

#include "platform/frame_clock.h"
#include "platform/input.h"
#include "platform/input_source.h"

namespace {

std::deque<SDL_Event> Queue;

int fake_source(SDL_Event* e) {
    if (Queue.empty())
        return 0;
    *e = Queue.front();
    Queue.pop_front();
    return 1;
}

SDL_Event button(Uint8 type, int x, int y, Uint8 which = SDL_BUTTON_LEFT) {
    SDL_Event e{};
    e.type = type;
    e.button.button = which;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    return e;
}

SDL_Event key(Uint8 type, int sym) {
    SDL_Event e{};
    e.type = type;
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

TEST_F(Input, HeldStylusRearmsTheLockAndDropsKeys) {
    input_reset(in);
    Queue.push_back(button(SDL_MOUSEBUTTONDOWN, 100, 200));
    poll(); // press accepted
    poll(); // the held stylus arms the lock
    EXPECT_EQ(in.lockFrames, 25);
    in.clickX = 0;
    poll(25); // runs out and is armed again at once, the press given again
    EXPECT_EQ(in.lockFrames, 25);
    EXPECT_EQ(in.clickX, 100);

    // A key pressed meanwhile is dropped, but its release still counts and clears the lock.
    Queue.push_back(key(SDL_KEYDOWN, '4'));
    poll();
    EXPECT_EQ(in.keys[KEY_LEFT], 0);
    Queue.push_back(key(SDL_KEYUP, '4'));
    poll();
    EXPECT_EQ(in.lastKeyUp, KEY_LEFT);
    EXPECT_EQ(in.lockFrames, 0);
}

TEST_F(Input, KeyDownLocksPressesUntilARelease) {
    input_reset(in);
    Queue.push_back(key(SDL_KEYDOWN, SDLK_RETURN));
    poll();
    EXPECT_EQ(in.keys[KEY_ACTION], 1);
    Queue.push_back(button(SDL_MOUSEBUTTONDOWN, 10, 10));
    poll(); // the lock starts one poll after the key-down; this press is lost
    EXPECT_EQ(in.stylusDown, 0);
    EXPECT_EQ(in.lockFrames, 24);
    Queue.push_back(button(SDL_MOUSEBUTTONUP, 10, 10));
    Queue.push_back(button(SDL_MOUSEBUTTONDOWN, 11, 12));
    poll(2);
    EXPECT_EQ(in.stylusDown, 1);
    EXPECT_EQ(in.clickX, 11);
}

// What the game drops (motion, the wheel's notches, focus gained, a resize, other user events)
// never takes a poll: a tap behind any burst of them acts on the very next poll, and only the
// tap is handed to a recording. The right button is the stylus as the left is.
TEST_F(Input, DroppedEventsNeverHoldBackTheTapBehindThem) {
    static std::vector<std::pair<unsigned long, int>> seen;
    seen.clear();
    input_event_observer = [](unsigned long poll, const SDL_Event* e) {
        seen.push_back({poll, e->type});
    };
    input_reset(in);
    SDL_Event motion{SDL_MOUSEMOTION}, resize{SDL_VIDEORESIZE}, other{SDL_USEREVENT}, gained{};
    gained.active = {SDL_ACTIVEEVENT, 1, SDL_APPINPUTFOCUS};
    other.user.code = 77; // not the pause request
    Queue.assign(200, motion);
    for (Uint8 wheel : {SDL_BUTTON_WHEELUP, SDL_BUTTON_WHEELDOWN}) {
        Queue.push_back(button(SDL_MOUSEBUTTONDOWN, 50, 60, wheel));
        Queue.push_back(button(SDL_MOUSEBUTTONUP, 50, 60, wheel));
    }
    Queue.insert(Queue.end(), {gained, resize, other, motion});
    Queue.push_back(button(SDL_MOUSEBUTTONDOWN, 70, 80, SDL_BUTTON_RIGHT));
    unsigned long first = input_poll_count;
    poll();
    input_event_observer = nullptr;
    EXPECT_EQ(in.stylusDown, 1);
    EXPECT_EQ(in.clickX, 70);
    EXPECT_TRUE(Queue.empty());
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], std::make_pair(first, static_cast<int>(SDL_MOUSEBUTTONDOWN)));

    // A scroll alone never taps, and the poll it came in is an empty one.
    Queue.push_back(button(SDL_MOUSEBUTTONUP, 70, 80, SDL_BUTTON_RIGHT));
    Queue.push_back(button(SDL_MOUSEBUTTONDOWN, 50, 60, SDL_BUTTON_WHEELDOWN));
    poll(2);
    EXPECT_EQ(in.stylusDown, 0);
    EXPECT_EQ(in.clickX, 0);
}

TEST_F(Input, KeyTableSharedCodesAndKeysPastTheTable) {
    // Return and '5' share one slot, and releasing either clears it.
    Queue = {key(SDL_KEYDOWN, '5'), key(SDL_KEYUP, SDLK_RETURN)};
    poll(2);
    EXPECT_EQ(in.lastKeyDown, KEY_ACTION);
    EXPECT_EQ(in.keys[KEY_ACTION], 0);
    // A code past the table lands in slot 0, not beyond the table. (SDL's own key symbols stop
    // well short of it, so no real event can carry one: ask the table directly.)
    EXPECT_EQ(key_index(999), 999);
    EXPECT_EQ(key_index(1000), 0);
    EXPECT_EQ(key_index(-1), 0);
}
