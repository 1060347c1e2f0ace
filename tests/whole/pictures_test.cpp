// The player's own pictures: the menu's switch, the levels showing them the way up their camera
// saw them, files that are no pictures, and a saved game that keeps its pictures.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdio>
#include <cstdlib>

#include "app/options.h"
#include "app/replay.h"
#include "game/game_state.h"
#include "game/pictures.h"
#include "game/save.h"
#include "game/states.h"
#include "res/player_pictures.h"
#include "tests/whole/game_driver.h"
#include "video/sprite.h"

namespace {

bool is(rgb p, int r, int g, int b) {
    return std::abs(p.r - r) < 40 && std::abs(p.g - g) < 40 && std::abs(p.b - b) < 40;
}

void convert(const std::string& args) {
    ASSERT_EQ(0, std::system(("convert " + args).c_str())) << args;
}

// A new, empty folder for the player's pictures inside the driver's folder.
std::string pictures_folder(game_driver& g) {
    std::string pics = g.dir.file("pics/");
    EXPECT_EQ(0, std::system(("mkdir -p " + pics).c_str()));
    return pics;
}

// The level picture of picture number n, as a level would load it.
rgb shown(int n, int x = 112, int y = 112) {
    Game.PictureNumber = n;
    load_level_picture();
    return pixel_at(LevelPicture.surface, x, y);
}

} // namespace

TEST(PlayerPictures, PlayedUprightAndKeptWithTheSavedGame) {
    game_driver g;
    const std::string pics = pictures_folder(g);
    convert("-size 300x200 xc:red " + pics + "b-red.jpg");
    convert("-size 64x64 xc:lime " + pics + "a-lime.png");
    // Held upright, stored on its side: Exif orientation 6 says turn it a quarter clockwise.
    convert("-size 200x400 xc:red -fill blue -draw 'rectangle 0,200 199,399' " + pics + "c-up.jpg");
    mark_turned_on_its_side(pics + "c-up.jpg");
    write_file(pics + "0-broken.jpg", "\xFF\xD8\xFF not a picture at all");
    write_file(pics + "notes.txt", "left alone");
    OptionPictures = pics.c_str();
    g.boot(1);
    g.to_menu();
    EXPECT_EQ(pictures_line(), "Pictures: yours (4) + built-in");
    g.tap(120, 198); // the line switches
    EXPECT_EQ(pictures_line(), "Pictures: built-in");
    g.key('p');
    EXPECT_EQ(pictures_line(), "Pictures: yours (4) + built-in");

    testing::internal::CaptureStderr();
    g.tap(120, 133); // "Start Game"
    ASSERT_TRUE(g.run_until([] { return GameSubState == phases::five_sec; }));
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("Skipped your picture " + pics + "0-broken.jpg: "), std::string::npos)
        << said;
    EXPECT_TRUE(GamePictures[3].hash.empty()); // built-in from here on

    const int level_picture = Game.PictureNumber;
    EXPECT_TRUE(is(shown(0), 0, 255, 0));
    EXPECT_TRUE(is(shown(1), 255, 0, 0));
    EXPECT_TRUE(is(shown(2, 56, 56), 0, 0, 255)); // the stored bottom now on the left
    EXPECT_TRUE(is(shown(2, 168, 56), 255, 0, 0));
    EXPECT_EQ(LevelPicture.w, 225);
    shown(level_picture);

    g.tap(120, 120); // past the look
    ASSERT_TRUE(g.run_until([] { return GameSubState == phases::start_gry; }));
    g.tap(213, 252); // the menu button saves
    ASSERT_TRUE(file_exists(pictures_file_path()));

    // Meanwhile the folder changes: the red picture and its ready copy go, the turned one goes
    // from the folder only, a new one comes.
    std::string red = GamePictures[1].hash;
    std::remove((pics + "b-red.jpg").c_str());
    std::remove(cached_player_picture(red, 225).c_str());
    std::remove((pics + "c-up.jpg").c_str());
    convert("-size 100x100 xc:yellow " + pics + "a-new.png");
    for (game_picture& p : GamePictures)
        p = game_picture();

    ASSERT_TRUE(g.run_until([] { return GameSubState == phases::intro; }));
    g.tap(120, 133); // "Start Game", then "Yes" to continue
    ASSERT_EQ(GameSubState, phases::pre_init);
    g.tap(95, 188);
    ASSERT_TRUE(g.run_until([] { return GameState == states::gra; }));
    EXPECT_EQ(Game.PictureNumber, level_picture);
    EXPECT_EQ(GamePictures[1].hash, red);
    EXPECT_TRUE(is(shown(2, 56, 56), 0, 0, 255)); // kept ready
    testing::internal::CaptureStderr();
    rgb instead = shown(1);
    said = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(is(instead, 255, 0, 0));
    EXPECT_NE(said.find("b-red.jpg could not be shown"), std::string::npos) << said;
    EXPECT_TRUE(GamePictures[1].hash.empty()); // the built-in picture 2 for the rest of the game
}

// A game recorded with a folder of pictures, played with keys and taps, paused by P and by the
// window losing the focus, and left by Escape twice, plays back the same: the real program's
// timedemo ends on the recorded state and last frame (the menu naming the pictures) and leaves the
// same cont.tll. The focus loss comes back as the pause it made.
TEST(PlayerPictures, ARecordedSessionWithAFolderKeysAndPausesReplaysTheSame) {
    game_driver g;
    const std::string pics = pictures_folder(g);
    convert("-size 300x200 gradient:red-navy " + pics + "a.jpg");
    convert("-size 200x200 gradient:lime-black " + pics + "b.png");
    OptionPictures = pics.c_str();
    g.record_path = g.dir.file("pictures.replay");
    g.boot(1, std::string(), 4242u);
    g.push_key(SDLK_RETURN);
    g.push_key(SDLK_y);
    g.run_loading();
    g.enter_menu();
    ASSERT_TRUE(g.run_until([] { return GameSubState == phases::intro; }));
    g.key(SDLK_RETURN); // "Start Game"
    ASSERT_TRUE(g.run_until([] { return GameSubState == phases::start_gry; }));
    g.key(SDLK_RIGHT);
    g.key(SDLK_h);
    g.frame(20);
    for (int cell : {0, 6, 12, 18})
        g.tap_cell(cell);
    g.key(SDLK_p);
    g.frame(30);
    g.tap(120, 120); // goes on; on the board, but places nothing
    g.frame(10);
    g.lose_focus();
    g.frame(39);
    g.tap_cell(Game.TileList[Game.TileCurrent]); // goes on
    g.key(SDLK_LEFT);
    g.frame(20);
    g.key(SDLK_ESCAPE);
    g.key(SDLK_ESCAPE); // the menu button: saved
    ASSERT_TRUE(g.run_until([] { return GameSubState == phases::intro; }));
    g.frame(10);
    g.key(SDLK_q);
    ASSERT_FALSE(GameRunning);
    ASSERT_TRUE(record_finish());
    char want[80];
    std::snprintf(want, sizeof want, "state %016llx, screen %016llx",
                  static_cast<unsigned long long>(game_state_hash()),
                  static_cast<unsigned long long>(screen_hash()));
    const std::string saved = read_file(g.cont());
    ASSERT_NE(read_file(g.record_path).find(" 24 1 0 0\n"), std::string::npos)
        << "no pause request recorded";

    // Named by --media, the media folder leaves the saved game in the player's data folder.
    std::string out = g.dir.file("timedemo.txt");
    ASSERT_EQ(0, std::system((build_dir() + "/tessoli --media " + g.media() + " --replay " +
                              g.record_path + " --timedemo --pictures " + pics + " >" + out +
                              " 2>/dev/null")
                                 .c_str()));
    std::string line = read_file(out);
    EXPECT_NE(line.find(want), std::string::npos) << line << "\nwanted: " << want;
    EXPECT_EQ(read_file(g.dir.file("data/tessoli/cont.tll")), saved);
}

// A pictures file left beside a saved game it does not belong to is never applied.
TEST(PlayerPictures, APicturesFileOfAnotherGameIsNotTaken) {
    GamePictures[4] = {"0123456789abcdef", "mine.jpg"};
    std::string text = game_pictures_text("1 2 3 ");
    EXPECT_TRUE(read_game_pictures(text, "1 2 3 "));
    EXPECT_EQ(GamePictures[4].name, "mine.jpg");
    EXPECT_FALSE(read_game_pictures(text, "1 2 4 "));
    EXPECT_TRUE(GamePictures[4].hash.empty());
    std::string sneaky = text;
    sneaky.replace(sneaky.find("mine.jpg"), 8, "../x.jpg");
    EXPECT_FALSE(read_game_pictures(sneaky, "1 2 3 "));
}
