// Fonts on the headless screen: metrics files, widths, alignments, buttons and paragraphs.
#include <gtest/gtest.h>

#include <SDL.h>
#include <climits>
#include <string>
#include <vector>

#include "res/pack.h"
#include "tests/support/test_support.h"
#include "text/font.h"
#include "video/video.h"

namespace {

struct glyph_entry {
    char c;
    int x, y, w, h;
};

// The three glyphs of the test sheet: 'a' is glyph 0, so unknown characters draw it.
const std::vector<glyph_entry> sheet_glyphs = {
    {'a', 20, 1, 3, 10}, {'p', 2, 1, 5, 10}, {'q', 10, 1, 6, 10}};

const rgb backdrop{10, 20, 30};
const rgb p_top{200, 0, 0}, q_top{0, 200, 0}, a_top{250, 250, 250}, p_low{0, 0, 200};

std::string padded(const std::string& label, size_t length) {
    return label + std::string(length - label.size(), '.');
}

// A metrics file with the game's layout: labels of 13, 18, 19 and 18 characters, CR LF ends.
std::string metrics_text(const std::vector<glyph_entry>& glyphs, int count) {
    std::string s = "Glyph count: " + std::to_string(count);
    s += "\r\n" + padded("Characters:", 16);
    for (const glyph_entry& g : glyphs)
        s += std::string(1, g.c) + " ";
    s += "\r\n" + padded("Advances:", 17);
    for (const glyph_entry& g : glyphs)
        s += std::to_string(g.w + 1) + " ";
    s += "\r\n" + padded("Rectangles:", 16);
    for (const glyph_entry& g : glyphs)
        s += std::to_string(g.x) + " " + std::to_string(g.y) + " " + std::to_string(g.w) + " " +
             std::to_string(g.h) + "\r\n";
    return s;
}

// Palette sheet 32 x 32, two looks 16 rows apart; index 0 in the corner is the key.
void save_sheet(const std::string& path) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 32, 32, 8, 0, 0, 0, 0);
    SDL_Color colours[256] = {};
    colours[1] = SDL_Color{200, 0, 0, 0};
    colours[2] = SDL_Color{0, 200, 0, 0};
    colours[3] = SDL_Color{250, 250, 250, 0};
    colours[4] = SDL_Color{0, 0, 200, 0};
    SDL_SetColors(s, colours, 0, 256);
    SDL_FillRect(s, nullptr, 0);
    auto box = [&](int x, int y, int w, int h, Uint8 index) {
        SDL_Rect r{static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w),
                   static_cast<Uint16>(h)};
        SDL_FillRect(s, &r, index);
    };
    box(2, 1, 5, 10, 1);
    box(10, 1, 6, 10, 2);
    box(20, 1, 3, 10, 3);
    box(2, 17, 5, 10, 4);
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
}

bool same(rgb a, rgb b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

struct font_fixture : testing::Test {
    temp_dir dir;
    font f;
    void SetUp() override {
        open_test_screen(240, 320);
        fill_rect(screen, 0, 0, 240, 320, backdrop.r, backdrop.g, backdrop.b);
        gfx.count = 0;
        save_sheet(dir.file("sheet.bmp"));
        write_file(dir.file("sheet.txt"), metrics_text(sheet_glyphs, 3));
        ASSERT_EQ(f.Load(dir.path().c_str(), "sheet.bmp", 1), 0);
        f.LoadMetrics(dir.path().c_str(), "sheet.txt", 4, 16);
    }
    void TearDown() override { enable_drawing(1); }
    // Columns of screen row y that show colour c.
    std::vector<int> columns(int y, rgb c) {
        std::vector<int> xs;
        for (int x = 0; x < 240; x++)
            if (same(pixel_at(screen, x, y), c))
                xs.push_back(x);
        return xs;
    }
    // Left edges of the runs of colour c on row y.
    std::vector<int> starts(int y, rgb c) {
        std::vector<int> xs;
        for (int x = 0; x < 240; x++)
            if (same(pixel_at(screen, x, y), c) && (x == 0 || !same(pixel_at(screen, x - 1, y), c)))
                xs.push_back(x);
        return xs;
    }
};

TEST_F(font_fixture, MetricsAndWidths) {
    EXPECT_EQ(f.glyph_count, 3);
    EXPECT_EQ(f.glyph_of['p'], 1);
    EXPECT_EQ(f.glyph_of['z'], 0);
    EXPECT_EQ(f.glyphs[2].x, 10);
    EXPECT_EQ(f.glyphs[2].h, 10);
    EXPECT_EQ(f.style, 0);

    f.x = 3;
    f.y = 4;
    EXPECT_EQ(f.TextWidth("p q"), 17);
    EXPECT_EQ(f.text_box.x, 3.0f);
    EXPECT_EQ(f.text_box.y, 4.0f);
    EXPECT_EQ(f.text_box.w, 17.0f);
    EXPECT_EQ(f.text_box.h, 32.0f);
    EXPECT_EQ(f.TextWidth("z"), 4); // not in the file: glyph 0
    EXPECT_EQ(f.TextWidth(""), 0);
}

TEST_F(font_fixture, MetricsFileFaults) {
    font g;
    testing::internal::CaptureStderr();
    g.LoadMetrics(dir.path().c_str(), "none.txt", 5, 20);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Couldn't load none.txt\n");
    EXPECT_EQ(g.glyph_count, 0);
    EXPECT_EQ(g.space_width, 5);
    EXPECT_EQ(g.line_height, 20);

    // Cut inside the last rectangle: no half-read table is kept.
    std::string whole = metrics_text(sheet_glyphs, 3);
    write_file(dir.file("short.txt"), whole.substr(0, whole.size() - 6));
    testing::internal::CaptureStderr();
    f.LoadMetrics(dir.path().c_str(), "short.txt", 4, 16);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Couldn't load short.txt\n");
    EXPECT_EQ(f.glyph_count, 0);
    EXPECT_EQ(f.glyph_of['p'], 0);
    EXPECT_EQ(f.glyphs[1].w, 0);

    write_file(dir.file("neg.txt"), metrics_text({}, -4));
    testing::internal::CaptureStderr();
    f.LoadMetrics(dir.path().c_str(), "neg.txt", 4, 16);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(f.glyph_count, 0);
}

TEST_F(font_fixture, MoreThan255GlyphsStopAt255) {
    std::vector<glyph_entry> many;
    for (int i = 0; i < 300; i++)
        many.push_back({static_cast<char>(i < 255 ? 1 + i : '!'), i, 0, i % 7 + 1, 9});
    write_file(dir.file("many.txt"), metrics_text(many, 300));
    f.LoadMetrics(dir.path().c_str(), "many.txt", 4, 16);
    EXPECT_EQ(f.glyph_count, 255);
    EXPECT_EQ(f.glyph_of[255], 254);
    EXPECT_EQ(f.glyphs[254].x, 254);
    EXPECT_EQ(f.glyph_of['!'], '!' - 1); // entries past 255 are read over, not kept
    EXPECT_EQ(f.glyphs[100].w, 100 % 7 + 1);
}

TEST_F(font_fixture, CentredAndRightAligned) {
    const char* t101 = "pppppppppppppppqa";
    ASSERT_EQ(f.TextWidth(t101), 101);
    f.x = 7;
    f.y = 50;
    f.DrawText(t101, 1, 0, 0);
    EXPECT_EQ(f.x, 69.0f);
    EXPECT_EQ(f.text_box.w, 101.0f);
    EXPECT_EQ(starts(51, p_top).front(), 69);
    EXPECT_EQ(columns(51, a_top).back(), 69 + 101 - 2); // the last glyph, then its 1-pixel gap

    const char* t50 = "pppppppaa";
    ASSERT_EQ(f.TextWidth(t50), 50);
    f.y = 80;
    f.DrawText(t50, 2, 30, 200);
    EXPECT_EQ(f.x, 150.0f);
    f.DrawText(t50, 1, 30, 200);
    EXPECT_EQ(f.x, 30.0f + (200 - 50 - 30) / 2);
    f.DrawText(t50, 2, 0, 0);
    EXPECT_EQ(f.x, 190.0f);
}

TEST_F(font_fixture, JustifiedSpreadsTheRest) {
    f.y = 10;
    const char* t70 = "ppp ppp ppp a";
    ASSERT_EQ(f.TextWidth(t70), 70);
    f.DrawText(t70, 3, 20, 120);
    EXPECT_EQ(f.text_box.w, 100.0f);
    EXPECT_EQ(starts(11, p_top), (std::vector<int>{20, 26, 32, 52, 58, 64, 84, 90, 96}));
    EXPECT_EQ(columns(11, a_top), (std::vector<int>{116, 117, 118}));

    // 60 x 1.6 = 96 < 100: too short to stretch.
    f.y = 30;
    const char* t60 = "ppp pp pp p";
    ASSERT_EQ(f.TextWidth(t60), 60);
    f.DrawText(t60, 3, 20, 120);
    EXPECT_EQ(f.text_box.w, 60.0f);

    // 2.5 over two spaces: the first takes 2, the second 3 with the carried half.
    f.y = 50;
    f.DrawText("pp pp a", 3, 10, 51);
    EXPECT_EQ(starts(51, p_top), (std::vector<int>{10, 16, 28, 34}));
    EXPECT_EQ(columns(51, a_top).front(), 47);
    EXPECT_EQ(f.text_box.w, 41.0f);
    EXPECT_EQ(f.x, 10.0f);
}

TEST_F(font_fixture, StyleRowsMissingGlyphsAndEmptyText) {
    f.x = 5;
    f.y = 5;
    f.style = 1;
    f.DrawText("p", 0, 0, 0);
    EXPECT_TRUE(same(pixel_at(screen, 5, 5), p_low));
    EXPECT_TRUE(same(pixel_at(screen, 9, 14), p_low));
    EXPECT_TRUE(same(pixel_at(screen, 5, 15), backdrop));
    f.style = 0;
    f.y = 40;
    f.DrawText("z", 0, 0, 0);
    EXPECT_TRUE(same(pixel_at(screen, 5, 40), a_top));
    EXPECT_TRUE(same(pixel_at(screen, 8, 40), backdrop));
    // The key colour around the glyphs stays see-through.
    f.x = 0;
    f.y = 60;
    f.Blit();
    EXPECT_TRUE(same(pixel_at(screen, 0, 60), backdrop));

    f.x = 100;
    f.DrawText("", 1, 0, 0);
    EXPECT_EQ(f.text_box.w, 0.0f);
    EXPECT_EQ(f.x, 120.0f);
}

TEST_F(font_fixture, SwitchedOffDrawsNothingButMeasures) {
    enable_drawing(0);
    f.y = 10;
    f.DrawText("ppp", 2, 0, 100);
    EXPECT_EQ(f.x, 82.0f);
    EXPECT_EQ(f.text_box.w, 18.0f);
    enable_drawing(1);
    EXPECT_TRUE(columns(11, p_top).empty());
}

TEST_F(font_fixture, HitBoxEdgesAreOutside) {
    f.x = 0;
    f.y = 100;
    f.DrawText("pppp", 1, 0, 0); // 24 wide, centred at 108
    ASSERT_EQ(f.x, 108.0f);
    EXPECT_EQ(f.IsHit(108, 110), 0);
    EXPECT_EQ(f.IsHit(109, 110), 1);
    EXPECT_EQ(f.IsHit(131, 110), 1);
    EXPECT_EQ(f.IsHit(132, 110), 0);
    EXPECT_EQ(f.IsHit(120, 100), 0);
    EXPECT_EQ(f.IsHit(120, 101), 1);
    EXPECT_EQ(f.IsHit(120, 115), 1);
    EXPECT_EQ(f.IsHit(120, 116), 0); // line height 16, not the sheet's 32
    EXPECT_EQ(f.IsHit(5, 110), 0);   // where the caller put x before centring
}

TEST_F(font_fixture, ParagraphForcedBreakCentred) {
    const std::string text = "Would you like to continue  your saved game?";
    f.y = 100;
    f.DrawParagraph(text.c_str(), 30, 1, 0, 0);
    EXPECT_EQ(f.y, 160.0f);
    // The last line drawn is the second one, centred on its own.
    int second = f.TextWidth("your saved game?");
    EXPECT_EQ(f.text_box.w, static_cast<float>(second));
    EXPECT_EQ(f.x, static_cast<float>((240 - second) / 2));
    // The first line keeps the first of the two spaces and is centred with it.
    int first = f.TextWidth("Would you like to continue ");
    EXPECT_EQ(columns(101, a_top).front(), (240 - first) / 2);
    EXPECT_EQ(columns(131, a_top).front(), (240 - second) / 2);

    f.y = 200;
    f.DrawParagraph("pq", 30, 0, 0, 0);
    EXPECT_EQ(f.y, 230.0f);
    f.DrawParagraph("", 30, 0, 0, 0);
    EXPECT_EQ(f.y, 230.0f);
}

TEST_F(font_fixture, ParagraphJustifiedAroundAForcedBreak) {
    f.x = 10;
    f.y = 100;
    f.DrawParagraph("pp pp  pp pp pp pp a", 20, 3, 10, 60);
    EXPECT_EQ(starts(101, p_top),
              (std::vector<int>{10, 16, 26, 32})); // before the break: unstretched
    EXPECT_EQ(starts(121, p_top), (std::vector<int>{10, 16, 29, 35, 48, 54}));
    EXPECT_EQ(columns(121, p_top).back(), 58);
    EXPECT_EQ(starts(141, p_top), (std::vector<int>{10, 16})); // short last line
    EXPECT_EQ(columns(141, a_top).front(), 26);
    EXPECT_EQ(f.y, 160.0f);
}

TEST_F(font_fixture, WordWiderThanTheMarginsIsBroken) {
    f.x = 0;
    f.y = 0;
    f.DrawParagraph("a pppppppppppppppppppp a", 10, 0, 0, 50);
    // "a", 8 p's, 8 p's, then "pppp a": every byte drawn, four lines.
    EXPECT_EQ(f.y, 40.0f);
    EXPECT_EQ(columns(1, a_top).size(), 3u);
    EXPECT_EQ(starts(11, p_top).size(), 8u);
    EXPECT_EQ(starts(21, p_top).size(), 8u);
    EXPECT_EQ(starts(31, p_top).size(), 4u);
    EXPECT_EQ(columns(31, a_top), (std::vector<int>{28, 29, 30}));

    // Margins narrower than one glyph: one byte per line, none lost.
    f.y = 100;
    f.DrawParagraph("pq", 10, 0, 0, 3);
    EXPECT_EQ(f.y, 120.0f);
    EXPECT_EQ(columns(101, p_top).size(), 5u);
    EXPECT_EQ(columns(111, q_top).size(), 6u);
}

TEST(IntToText, DecimalTextInOneBuffer) {
    char* first = int_to_text(-15);
    EXPECT_STREQ(first, "-15");
    char* second = int_to_text(INT_MIN);
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, "-2147483648");
    EXPECT_STREQ(int_to_text(0), "0");
    EXPECT_STREQ(int_to_text(INT_MAX), "2147483647");
}

} // namespace
