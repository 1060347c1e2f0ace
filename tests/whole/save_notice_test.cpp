// A save that fails through the menu button: the notice on the menu, its time, and play going on.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cerrno>
#include <vector>

#include "app/globals.h"
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

// The screen's rows from y0 to y1 at Scale 1, as packed colours.
std::vector<unsigned> rows(int y0, int y1) {
    std::vector<unsigned> out;
    for (int y = y0; y < y1; y++)
        for (int x = 0; x < screen->w; x++) {
            rgb p = pixel_at(screen, x, y);
            out.push_back(static_cast<unsigned>(p.r << 16 | p.g << 8 | p.b));
        }
    return out;
}

size_t differing(const std::vector<unsigned>& a, const std::vector<unsigned>& b) {
    size_t n = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); i++)
        n += a[i] != b[i];
    return n;
}

} // namespace

TEST(SaveNotice, AFailedSaveIsShownOnTheMenuForItsTimeAndPlayGoesOn) {
    game_driver g;
    g.boot(1);
    g.to_menu();
    g.frame(3);
    const std::vector<unsigned> menu = rows(0, 320), band_before = rows(215, 243);

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
    EXPECT_GT(differing(rows(215, 243), band_before), 200u);
    EXPECT_EQ(
        differing(rows(0, 215), std::vector<unsigned>(menu.begin(), menu.begin() + 215 * 240)), 0u);
    EXPECT_EQ(
        differing(rows(243, 320), std::vector<unsigned>(menu.begin() + 243 * 240, menu.end())), 0u);
    EXPECT_FALSE(file_exists(g.cont())); // the failed save left nothing behind

    // About four seconds, then the menu exactly as it was.
    ASSERT_TRUE(g.run_until([] { return SaveNoticeFrames == 0; }, 1000));
    EXPECT_NEAR(g.frames - notice_from, 4 * FramesPerSecond, 2);
    g.frame(2);
    EXPECT_EQ(differing(rows(0, 320), menu), 0u);

    // While the notice shows, the menu still answers: "Start Game" starts a game.
    play_then_menu_button();
    g.frame();
    ASSERT_GT(SaveNoticeFrames, 0);
    g.tap(120, 133);
    EXPECT_TRUE(g.run_until([] { return in_state(states::gra, phases::five_sec); }, 300));
}
