// tessoli-pack levels with a player's own pictures: folders, many, tiny and unreadable pictures.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/test_support.h"
#include "tests/tools/tool_paths.h"

namespace {

const std::string pack = tool_path("tessoli-pack");

struct outcome {
    int status = -1;  // exit status, or -1 when the tool did not end by itself (a crash)
    std::string said; // stdout and stderr together
};

class PackLevels : public ::testing::Test {
  protected:
    void SetUp() override {
        media = d.path() + "media/";
        ASSERT_EQ(0, mkdir(media.c_str(), 0755));
        for (const char* f : {"gfx.def", "gfx.pak", "config.tll"})
            write_file(media + f, read_file(media_root() + "/media-s1/" + f));
        pics = d.path() + "pics/";
        ASSERT_EQ(0, mkdir(pics.c_str(), 0755));
    }

    outcome levels(const std::string& args) {
        outcome o;
        std::string out = d.file("said.txt");
        int s = std::system((pack + " levels " + args + " >" + out + " 2>&1").c_str());
        o.status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
        o.said = read_file(out);
        return o;
    }
    // A plain picture of one colour through ImageMagick (JPEG, PNG, GIF by the name's ending).
    void picture(const std::string& path, int w, int h, const char* colour,
                 const char* extra = "") {
        std::string cmd = "convert -size " + std::to_string(w) + "x" + std::to_string(h) +
                          " xc:" + colour + " " + extra + " " + path;
        ASSERT_EQ(0, std::system(cmd.c_str())) << cmd;
    }
    std::string packs() { return read_file(media + "gfx.def") + read_file(media + "gfx.pak"); }
    // A pixel of a level picture in the pack (the middle one unless told), as the game decodes it.
    rgb level_colour(int level, int px = 112, int py = 112) {
        std::string x = d.path() + "x" + std::to_string(++extracts);
        EXPECT_EQ(
            0, std::system((pack + " extract " + media + "gfx.def " + x + " >/dev/null").c_str()));
        SDL_Surface* s = IMG_Load((x + "/" + std::to_string(level) + ".jpg").c_str());
        EXPECT_NE(nullptr, s);
        rgb p = s ? pixel_at(s, px, py) : rgb{-1, -1, -1};
        if (s) {
            EXPECT_EQ(225, s->w);
            SDL_FreeSurface(s);
        }
        return p;
    }

    temp_dir d;
    std::string media, pics;
    int extracts = 0;
};

bool is_red(rgb p) {
    return p.r > 200 && p.g < 60 && p.b < 60;
}
bool is_blue(rgb p) {
    return p.b > 200 && p.r < 60 && p.g < 60;
}

// A phone held upright stores its photo on its side and says so in the Exif block: it stands as
// its camera saw it.
TEST_F(PackLevels, AFolderGivesItsPicturesByNameUprightAndTinyOnesAreWarnedOf) {
    picture(pics + "b.png", 300, 300, "blue");
    picture(pics + "a.JPG", 400, 300, "red");
    picture(pics + "c.jpeg", 16, 16, "lime");
    picture(pics + "d.jpg", 200, 400, "red", "-fill blue -draw 'rectangle 0,200 199,399'");
    mark_turned_on_its_side(pics + "d.jpg");
    write_file(pics + "notes.txt", "not a picture");
    write_file(pics + ".hidden.jpg", "hidden files are left alone");
    rgb fifth_before = level_colour(5);
    write_file(media + "cont.tll", "99 5 ");
    outcome o = levels(media + " " + pics);
    ASSERT_EQ(0, o.status) << o.said;
    EXPECT_EQ("99 5 ", read_file(media + "cont.tll")); // a player's saved game stays
    EXPECT_TRUE(is_red(level_colour(1)));
    EXPECT_TRUE(is_blue(level_colour(2)));
    rgb lime = level_colour(3);
    EXPECT_TRUE(lime.g > 200 && lime.r < 60) << lime.r << " " << lime.g << " " << lime.b;
    // Turned a quarter clockwise, the stored bottom (blue) is on the left.
    EXPECT_TRUE(is_blue(level_colour(4, 56, 56)));
    EXPECT_TRUE(is_red(level_colour(4, 168, 56)));
    EXPECT_EQ(fifth_before.r, level_colour(5).r); // the levels after the given pictures stay
    EXPECT_NE(std::string::npos,
              o.said.find(pics + "c.jpeg: warning: 16 x 16 is smaller than a level (225 x 225)"))
        << o.said;
    EXPECT_EQ(std::string::npos, o.said.find("a.JPG: warning")) << o.said;
}

TEST_F(PackLevels, MoreThanTwentyTakeTheFirstTwentyAndOnlyRepeatsAFewOverAllLevels) {
    for (int i = 0; i < 25; ++i)
        picture(pics + (i < 10 ? "p0" : "p") + std::to_string(i) + ".png", 240, 240,
                i == 19 ? "blue" : (i == 20 ? "lime" : "red"));
    outcome o = levels(media + " " + pics);
    ASSERT_EQ(0, o.status) << o.said;
    EXPECT_NE(std::string::npos,
              o.said.find("25 pictures given; the first 20 are used, the other 5 left out"))
        << o.said;
    EXPECT_TRUE(is_blue(level_colour(20)));

    // --only with two pictures: red, blue, red, blue ... over all twenty levels.
    picture(d.file("one.png"), 240, 240, "red");
    picture(d.file("two.png"), 240, 240, "blue");
    o = levels("--only " + media + " " + d.file("one.png") + " " + d.file("two.png"));
    ASSERT_EQ(0, o.status) << o.said;
    EXPECT_TRUE(is_red(level_colour(19)));
    EXPECT_TRUE(is_blue(level_colour(20)));
    EXPECT_TRUE(is_red(level_colour(1)));
}

// Each fault is one line naming the file and why, the status is 1 and the packs keep every byte,
// even when good pictures came before the bad one.
TEST_F(PackLevels, EveryUnreadablePictureIsNamedAndThePacksStayAsTheyWere) {
    picture(d.file("good.png"), 240, 240, "red");
    picture(d.file("cmyk.jpg"), 240, 240, "cyan", "-colorspace CMYK");
    picture(d.file("anim.gif"), 40, 40, "red");
    write_file(d.file("text.jpg"), "just words");
    write_file(d.file("empty.png"), "");
    ASSERT_EQ(0, mkfifo(d.file("pipe.jpg").c_str(), 0644));
    const std::string before = packs();
    struct fault {
        std::string file, why;
    };
    const fault faults[] = {
        {d.file("cmyk.jpg"), "a CMYK JPEG (for print); save it as an RGB JPEG or a PNG"},
        {d.file("anim.gif"), "a GIF picture; only JPEG and PNG pictures can be read"},
        {d.file("text.jpg"), "not a JPEG or PNG picture"},
        {d.file("empty.png"), "an empty file"},
        {d.file("pipe.jpg"), "not a regular file"},
        {d.file("missing.jpg"), "No such file or directory"},
    };
    for (const fault& f : faults) {
        SCOPED_TRACE(f.file);
        outcome o = levels(media + " " + d.file("good.png") + " " + f.file);
        EXPECT_EQ(1, o.status) << o.said;
        EXPECT_NE(std::string::npos, o.said.find("tessoli-pack: " + f.file + ": " + f.why + "\n"))
            << o.said;
        EXPECT_EQ(before, packs());
    }
}

// A folder of everything a photo folder may hold: no crash, every fault told, nothing changed.
TEST_F(PackLevels, AMixedFolderNeverCrashesTheTool) {
    picture(pics + "1-good.jpg", 300, 300, "red");
    ASSERT_EQ(0, mkdir((pics + "2-album.jpg").c_str(), 0755));
    ASSERT_EQ(0, mkdir((pics + "3-more").c_str(), 0755));
    write_file(pics + "5-broken.png", std::string("\x89PNG\r\n\x1a\n garbage", 17));
    write_file(pics + "6-readme.txt", "a note");
    const std::string before = packs();
    outcome o = levels(media + " " + pics);
    EXPECT_EQ(1, o.status) << o.said;
    for (const char* line : {"2-album.jpg: a folder inside a folder", "3-more: a folder inside",
                             "5-broken.png: ", "nothing changed in"})
        EXPECT_NE(std::string::npos, o.said.find(line)) << line << "\n" << o.said;
    EXPECT_EQ(std::string::npos, o.said.find("6-readme")) << o.said;
    EXPECT_EQ(before, packs());
    // Given as a picture itself, a folder is taken as its pictures; a tool crash shows as -1.
    o = levels(media + " " + pics + "3-more");
    EXPECT_EQ(1, o.status) << o.said;
    EXPECT_NE(std::string::npos, o.said.find("no JPEG or PNG pictures given")) << o.said;
}

} // namespace
