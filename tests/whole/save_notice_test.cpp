// A save that fails through the menu button: the notice on the menu, its time, and play going on.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cerrno>
#include <string>

#include "app/state.h"
#include "game/game_state.h"
#include "game/save.h"
#include "platform/files.h"
#include "tests/whole/game_driver.h"
#include "video/video.h"

namespace {

ssize_t disk_full(int, const void*, size_t) {
    errno = ENOSPC;
    return -1;
}

// The screen's rows from y0 to y1 (Scale 1), as bytes.
std::string rows(int y0, int y1) {
    return std::string(static_cast<const char*>(screen->pixels) + y0 * screen->pitch,
                       (y1 - y0) * screen->pitch);
}

} // namespace

TEST(SaveNotice, AFailedSaveIsShownOnTheMenuForItsTimeAndPlayGoesOn) {
    game_driver g;
    g.boot(1);
    g.to_menu();
    g.frame(3);
    const std::string above = rows(0, 215), band = rows(215, 243), below = rows(243, 320);

    long notice_from = 0;
    auto play_then_menu_button = [&] {
        g.tap(120, 133); // "Start Game"
        ASSERT_TRUE(g.run_until([] { return in_state(states::gra, phases::five_sec); }, 300));
        g.tap(120, 120);
        ASSERT_TRUE(g.run_until([] { return in_state(states::gra, phases::start_gry); }, 100));
        replace_file_write = disk_full;
        testing::internal::CaptureStderr();
        g.tap(210, 252); // the menu button saves
        bool failed = g.run_until([] { return SaveNoticeFrames > 0; }, 10);
        notice_from = g.frames;
        bool back = g.run_until([] { return in_state(states::intro, phases::intro); }, 300);
        std::string said = testing::internal::GetCapturedStderr();
        replace_file_write = ::write;
        ASSERT_TRUE(failed);
        ASSERT_TRUE(back);
        EXPECT_NE(said.find("Couldn't save " + g.cont() + ": "), std::string::npos) << said;
    };

    play_then_menu_button();
    g.frame();
    ASSERT_GT(SaveNoticeFrames, 0);
    // Drawn between the menu's panel and the best score, and nowhere else.
    EXPECT_TRUE(rows(215, 243) != band);
    EXPECT_TRUE(rows(0, 215) == above);
    EXPECT_TRUE(rows(243, 320) == below);
    EXPECT_FALSE(file_exists(g.cont())); // the failed save left nothing behind

    // About four seconds, then the menu exactly as it was.
    ASSERT_TRUE(g.run_until([] { return SaveNoticeFrames == 0; }, 1000));
    EXPECT_NEAR(g.frames - notice_from, 4 * FramesPerSecond, 2);
    g.frame(2);
    EXPECT_TRUE(rows(0, 320) == above + band + below);

    // While the notice shows, the menu still answers: "Start Game" starts a game.
    play_then_menu_button();
    g.frame();
    ASSERT_GT(SaveNoticeFrames, 0);
    g.tap(120, 133);
    EXPECT_TRUE(g.run_until([] { return in_state(states::gra, phases::five_sec); }, 300));
}
