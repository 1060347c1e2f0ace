// Fonts on the headless screen: metrics files, widths, alignments, buttons and paragraphs.
#include <gtest/gtest.h>

#include <SDL.h>
#include <string>
#include <vector>

#include "res/pack.h"
#include "tests/support/test_support.h"
#include "text/font.h"
#include "text/metrics_file.h"
#include "video/video.h"

namespace {

// The three glyphs of the test sheet: 'a' is glyph 0, so unknown characters draw it.
const std::vector<metrics_glyph> sheet_glyphs = {
    {'a', 20, 1, 3, 10}, {'p', 2, 1, 5, 10}, {'q', 10, 1, 6, 10}};
const std::string sheet_metrics = metrics_text(sheet_glyphs, {4, 6, 7}); // a glyph and its gap

const rgb backdrop{10, 20, 30};
const rgb p_top{200, 0, 0}, q_top{0, 200, 0}, a_top{250, 250, 250}, p_low{0, 0, 200};

// Palette sheet 32 x 32: glyphs p, q, a on top and p's second look 16 rows lower; index 0 in
// the corner is the key.
void save_sheet(const std::string& path) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 32, 32, 8, 0, 0, 0, 0);
    SDL_Color colours[256] = {
        {0, 0, 0, 0}, {200, 0, 0, 0}, {0, 200, 0, 0}, {250, 250, 250, 0}, {0, 0, 200, 0}};
    SDL_SetColors(s, colours, 0, 256);
    SDL_FillRect(s, nullptr, 0);
    const int boxes[4][3] = {{2, 1, 5}, {10, 1, 6}, {20, 1, 3}, {2, 17, 5}};
    for (int i = 0; i < 4; i++)
        fill_rect(s, boxes[i][0], boxes[i][1], boxes[i][2], 10, colours[i + 1].r, colours[i + 1].g,
                  colours[i + 1].b);
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
}

struct font_fixture : testing::Test {
    temp_dir dir;
    font f;
    void SetUp() override {
        open_test_screen(240, 320);
        fill_rect(screen, 0, 0, 240, 320, backdrop.r, backdrop.g, backdrop.b);
        gfx.count = 0;
        save_sheet(dir.file("sheet.bmp"));
        write_file(dir.file("sheet.txt"), sheet_metrics);
        ASSERT_EQ(f.Load(dir.path().c_str(), "sheet.bmp", 1), 0);
        f.LoadMetrics(dir.path().c_str(), "sheet.txt", 4, 16);
    }
    bool shows(int x, int y, rgb c) {
        rgb got = pixel_at(screen, x, y);
        return got.r == c.r && got.g == c.g && got.b == c.b;
    }
    // Columns of screen row y that show colour c; with edges, only the left end of each run.
    std::vector<int> columns(int y, rgb c, bool edges = false) {
        std::vector<int> xs;
        for (int x = 0; x < 240; x++)
            if (shows(x, y, c) && !(edges && x > 0 && shows(x - 1, y, c)))
                xs.push_back(x);
        return xs;
    }
    std::vector<int> starts(int y, rgb c) { return columns(y, c, true); }
    // Loads a metrics file made of text; returns what went to stderr.
    std::string load_metrics(const std::string& text) {
        write_file(dir.file("m.txt"), text);
        testing::internal::CaptureStderr();
        f.LoadMetrics(dir.path().c_str(), "m.txt", 4, 16);
        return testing::internal::GetCapturedStderr();
    }
};

TEST_F(font_fixture, MetricsWidthsAndStyleRows) {
    EXPECT_EQ(f.glyph_count, 3);
    EXPECT_EQ(f.TextWidth("p q"), 17);
    EXPECT_EQ(f.TextWidth("z"), 4); // not in the file: glyph 0

    // Style 1 draws the glyph's second look, one line height lower on the sheet.
    f.DrawText("p", {5, 5}, 1);
    EXPECT_TRUE(shows(5, 5, p_low));
    EXPECT_TRUE(shows(9, 14, p_low));
    EXPECT_TRUE(shows(5, 15, backdrop));
}

TEST_F(font_fixture, MetricsFileMends) {
    testing::internal::CaptureStderr();
    f.LoadMetrics(dir.path().c_str(), "none.txt", 5, 20);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Couldn't load none.txt: No such file or directory\n");
    EXPECT_EQ(f.glyph_count, 0);

    // Cut inside the last rectangle: no half-read table is kept.
    EXPECT_EQ(load_metrics(sheet_metrics.substr(0, sheet_metrics.size() - 6)),
              "Couldn't load m.txt\n");
    EXPECT_EQ(f.glyph_count, 0);
    EXPECT_EQ(f.glyph_of['p'], 0);
    EXPECT_EQ(f.glyphs[1].w, 0);
}

TEST_F(font_fixture, CentredRightAlignedAndHitBox) {
    // Across the 240-wide screen without margins, else between them; halves are cut.
    const struct {
        const char* text;
        align how;
        int left, right;
        float x;
    } cases[] = {{"pppppppppppppppqa", align::centre, 0, 0, 69.0f}, // 101 wide
                 {"pppppppaa", align::centre, 30, 200, 90.0f},      // 50 wide
                 {"pppppppaa", align::right, 30, 200, 150.0f}};
    for (const auto& c : cases) {
        int row = 50 + 20 * static_cast<int>(&c - cases); // a row of its own
        f.DrawText(c.text, {7, row, c.how, c.left, c.right});
        EXPECT_EQ(f.text_box.x, c.x) << c.text << " from " << c.left;
    }
    EXPECT_EQ(starts(51, p_top).front(), 69);
    EXPECT_EQ(columns(51, a_top).back(), 69 + 101 - 2); // the last glyph, then its 1-pixel gap

    // The last text is a button 50 wide from x 150, a line high (not the sheet); edges are out.
    const int hits[][3] = {{150, 100, 0}, {151, 100, 1}, {199, 100, 1}, {200, 100, 0},
                           {160, 90, 0},  {160, 91, 1},  {160, 105, 1}, {160, 106, 0}};
    for (const auto& h : hits)
        EXPECT_EQ(f.IsHit(h[0], h[1]), h[2]) << h[0] << "," << h[1];
}

TEST_F(font_fixture, ParagraphForcedBreakCentred) {
    EXPECT_EQ(f.DrawParagraph("Would you like to continue  your saved game?", 30,
                              {0, 100, align::centre}),
              160);
    // The last line drawn is the second one, centred on its own; the first keeps the first of
    // the two spaces and is centred with it.
    int first = f.TextWidth("Would you like to continue "),
        second = f.TextWidth("your saved game?");
    EXPECT_EQ(f.text_box.x, static_cast<float>((240 - second) / 2));
    EXPECT_EQ(columns(101, a_top).front(), (240 - first) / 2);
    EXPECT_EQ(columns(131, a_top).front(), (240 - second) / 2);
}

TEST_F(font_fixture, WordWiderThanTheMarginsIsBroken) {
    // "a", 8 p's, 8 p's, then "pppp a": every byte drawn, four lines.
    EXPECT_EQ(f.DrawParagraph("a pppppppppppppppppppp a", 10, {0, 0, align::left, 0, 50}), 40);
    EXPECT_EQ(starts(31, p_top).size(), 4u);
    EXPECT_EQ(columns(31, a_top), (std::vector<int>{28, 29, 30}));

    // Margins narrower than one glyph: one byte per line, none lost.
    EXPECT_EQ(f.DrawParagraph("pq", 10, {0, 100, align::left, 0, 3}), 120);
    EXPECT_EQ(columns(101, p_top).size(), 5u);
    EXPECT_EQ(columns(111, q_top).size(), 6u);
}

} // namespace
