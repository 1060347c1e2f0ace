// Bitmap fonts: metrics file, measuring, the four alignments, text buttons and wrapped paragraphs.
#include "text/font.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/files.h"
#include "text/metrics_file.h"
#include "video/units.h"
#include "video/video.h"

void font::LoadMetrics(const char* folder, const char* name, int space_width, int line_height) {
    this->space_width = space_width;
    this->line_height = line_height;
    glyph_count = 0;
    std::memset(glyph_of, 0, sizeof glyph_of);
    std::memset(glyphs, 0, sizeof glyphs);

    std::string path = std::string(folder) + name;
    std::string text, why = "path too long";
    if (path.size() > 255 ||
        read_regular_file(path, MetricsFileLimit, &text, &why) != file_read::done) {
        std::fprintf(stderr, "Couldn't load %s: %s\n", name, why.c_str());
        return;
    }
    std::vector<metrics_glyph> table;
    bool complete = read_metrics_text(text, table);
    if (!complete) {
        // Half a table would draw the wrong glyphs; better none and a line saying so.
        std::fprintf(stderr, "Couldn't load %s\n", name);
        return;
    }
    for (size_t i = 0; i < table.size(); i++) {
        glyph_of[table[i].character] = static_cast<unsigned char>(i);
        glyphs[i] = glyph_rect{table[i].x, table[i].y, table[i].w, table[i].h};
    }
    glyph_count = static_cast<int>(table.size());
}

text_place text_at(int x, int y) {
    return {scaled(x), scaled(y)};
}

text_place text_centred(int y, int left, int right) {
    return {0, scaled(y), align::centre, scaled(left), scaled(right)};
}

text_place text_right_in(const layout_rect& box) {
    pixel_rect p = scaled(box);
    return {0, static_cast<int>(p.y), align::right, static_cast<int>(p.x),
            static_cast<int>(p.x + p.w)};
}

int font::TextWidth(const char* text) const {
    float width = 0.0f;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; p++) {
        if (*p == ' ')
            width += static_cast<float>(space_width);
        else
            width = width + static_cast<float>(glyphs[glyph_of[*p]].w) + 1.0f;
    }
    return trunc_to_int(width);
}

void font::DrawText(const char* text, const text_place& place, int style) {
    int tw = TextWidth(text);
    int left = place.left, right = place.right;
    bool no_margins = left == 0 && right == 0;
    float pen = static_cast<float>(place.x);
    float extra = 0.0f;
    if (place.how == align::centre) {
        pen = no_margins ? static_cast<float>((screen_w - tw) / 2)
                         : static_cast<float>((right - tw - left) / 2) + static_cast<float>(left);
    } else if (place.how == align::right) {
        pen = static_cast<float>(no_margins ? screen_w - tw : right - tw);
    } else if (place.how == align::justify) {
        if (left != 0)
            pen = static_cast<float>(left);
        int avail = right != 0 ? right - left : screen_w - left;
        int spaces = 0;
        for (const char* p = text; *p; p++)
            spaces += *p == ' ';
        // Lines well short of the margin (a paragraph's last line) stay unstretched.
        if (spaces > 0 && !(static_cast<double>(tw) * 1.6 < static_cast<double>(avail)))
            extra = static_cast<float>(avail - tw) / static_cast<float>(spaces);
    }

    const float start = pen, top = static_cast<float>(place.y);
    // The fractions of the stretch accumulate so the line ends within a pixel of the margin.
    float carry = 0.0f;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; p++) {
        if (*p != ' ') {
            const glyph_rect& g = glyphs[glyph_of[*p]];
            BlitPart(g.x, g.y + style * line_height, g.w, g.h, pen, top);
            pen = (static_cast<float>(g.w) + pen) + 1.0f;
        } else {
            int whole = trunc_to_int(extra);
            carry = (extra - static_cast<float>(whole)) + carry;
            pen = static_cast<float>(trunc_to_int(carry) + whole + space_width) + pen;
            if (carry >= 1.0f)
                carry -= 1.0f;
        }
    }
    text_box = {start, top, pen - start, frame_h};
}

int font::IsHit(int px, int py) const {
    return in_tap_area(static_cast<float>(px), static_cast<float>(py), text_box.x, text_box.y,
                       text_box.w, static_cast<float>(line_height));
}

int font::DrawParagraph(const char* text, int spacing, const text_place& place, int style) {
    int avail = place.right != 0 ? place.right - place.left : screen_w - place.left;
    int len = static_cast<int>(std::strlen(text));
    if (len < 1)
        return place.y;
    text_place line_place = place;
    int start = 0;
    while (start < len) {
        line_place.how = place.how;
        int width = 0;
        int i = start;
        while (i < len) {
            if (text[i] == ' ' && text[i + 1] == ' ') {
                // A double space forces a break; in justified text that line ends a paragraph,
                // drawn unstretched from where the paragraph's lines start.
                i += 2;
                if (place.how == align::justify) {
                    line_place.how = align::left;
                    line_place.x = place.left != 0 ? place.left : place.x;
                }
                break;
            }
            if (text[i] == ' ')
                width += space_width;
            else
                width += glyphs[glyph_of[static_cast<unsigned char>(text[i])]].w + 1;
            if (width > avail)
                break;
            i++;
        }

        int e = i;
        int next;
        if (i >= len) {
            next = len + 1;
        } else {
            while (e > start && text[e] != ' ')
                e--;
            if (text[e] == ' ') {
                next = e + 1;
            } else {
                // No space inside the line: the word is wider than the margins, so break it
                // where it stops fitting (at least one byte per line, so the text always ends).
                e = i > start ? i : start + 1;
                next = e;
            }
        }

        std::string line(text + start, static_cast<size_t>(e - start));
        DrawText(line.c_str(), line_place, style);
        start = next;
        line_place.y += spacing;
    }
    return line_place.y;
}

char* int_to_text(int value) {
    static char buffer[20];
    std::memset(buffer, 0, sizeof buffer);
    std::snprintf(buffer, sizeof buffer, "%d", value);
    return buffer;
}
