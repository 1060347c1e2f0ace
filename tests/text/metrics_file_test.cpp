// The font metrics file: what the media builder writes, the game reads back glyph for glyph.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/metrics_file.h"

static bool operator==(const metrics_glyph& a, const metrics_glyph& b) {
    return a.character == b.character && a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

namespace {

std::vector<metrics_glyph> some_glyphs(int n) {
    std::vector<metrics_glyph> glyphs;
    for (int i = 0; i < n; i++)
        glyphs.push_back({static_cast<unsigned char>(33 + i % 94), 7 * i, i % 3, 1 + i % 9, 32});
    return glyphs;
}

} // namespace

TEST(MetricsFile, WhatIsWrittenReadsBackGlyphForGlyph) {
    const std::vector<metrics_glyph> glyphs = {
        {'!', 1, 0, 5, 32}, {' ', 8, 0, 9, 32}, {'~', 32767, 32767, 0, 1}};
    const std::string text = metrics_text(glyphs, {6, 10, 1});
    EXPECT_EQ(text.rfind(metrics_layout::count, 0), 0u);
    std::vector<metrics_glyph> back;
    ASSERT_TRUE(read_metrics_text(text, back));
    EXPECT_EQ(back, glyphs);

    // Past the 255th glyph the file is read to its end, the first 255 kept.
    const std::vector<metrics_glyph> many = some_glyphs(300);
    ASSERT_TRUE(read_metrics_text(metrics_text(many, std::vector<int>(300, 4)), back));
    EXPECT_EQ(back, std::vector<metrics_glyph>(many.begin(), many.begin() + 255));

    // No glyphs at all is a file, and an empty one.
    ASSERT_TRUE(read_metrics_text(metrics_text({}, {}), back));
    EXPECT_TRUE(back.empty());
}

TEST(MetricsFile, ShortOrDamagedFilesGiveNoGlyphs) {
    const std::string text = metrics_text(some_glyphs(4), {1, 2, 3, 4});
    std::vector<metrics_glyph> back;
    // Cut anywhere before the last rectangle's line, the file is short.
    const std::size_t last_line = text.rfind('\n', text.size() - 2);
    for (std::size_t cut = 0; cut < last_line; cut++)
        EXPECT_FALSE(read_metrics_text(text.substr(0, cut), back)) << "cut at " << cut;
    // A rectangle no picture can hold, or a number past an int.
    std::string wide = text;
    wide.replace(wide.rfind(" 32"), 3, " 32768");
    EXPECT_FALSE(read_metrics_text(wide, back));
    std::string huge = text;
    huge.replace(std::string(metrics_layout::count).size(), 1, "99999999999");
    EXPECT_FALSE(read_metrics_text(huge, back));
    EXPECT_TRUE(back.empty());
}
