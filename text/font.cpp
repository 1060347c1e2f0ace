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
    style = 0;
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

int font::TextWidth(const char* text) {
    text_box.x = x;
    text_box.y = y;
    float width = 0.0f;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; p++) {
        if (*p == ' ')
            width += static_cast<float>(space_width);
        else
            width = width + static_cast<float>(glyphs[glyph_of[*p]].w) + 1.0f;
    }
    text_box.w = width;
    text_box.h = frame_h;
    return trunc_to_int(width);
}

void font::DrawText(const char* text, int mode, int left, int right) {
    int tw = TextWidth(text);
    bool no_margins = left == 0 && right == 0;
    float extra = 0.0f;
    if (mode == 1) {
        x = no_margins ? static_cast<float>((screen_w - tw) / 2)
                       : static_cast<float>((right - tw - left) / 2) + static_cast<float>(left);
    } else if (mode == 2) {
        x = static_cast<float>(no_margins ? screen_w - tw : right - tw);
    } else if (mode == 3) {
        if (left != 0)
            x = static_cast<float>(left);
        int avail = right != 0 ? right - left : screen_w - left;
        int spaces = 0;
        for (const char* p = text; *p; p++)
            spaces += *p == ' ';
        // Lines well short of the margin (a paragraph's last line) stay unstretched.
        if (spaces > 0 && !(static_cast<double>(tw) * 1.6 < static_cast<double>(avail)))
            extra = static_cast<float>(avail - tw) / static_cast<float>(spaces);
    }

    text_box.x = x;
    text_box.y = y;
    // The fractions of the stretch accumulate so the line ends within a pixel of the margin.
    float carry = 0.0f;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; p++) {
        if (*p != ' ') {
            const glyph_rect& g = glyphs[glyph_of[*p]];
            BlitPart(g.x, g.y + style * line_height, g.w, g.h);
            x = (static_cast<float>(g.w) + x) + 1.0f;
        } else {
            int whole = trunc_to_int(extra);
            carry = (extra - static_cast<float>(whole)) + carry;
            x = static_cast<float>(trunc_to_int(carry) + whole + space_width) + x;
            if (carry >= 1.0f)
                carry -= 1.0f;
        }
    }
    text_box.w = x - text_box.x;
    text_box.h = frame_h;
    // Leave the font at the start of the text so the caller can test it as a button.
    x = text_box.x;
    y = text_box.y;
}

int font::IsHit(int px, int py) {
    return in_tap_area(static_cast<float>(px), static_cast<float>(py), x, y, text_box.w,
                       static_cast<float>(line_height));
}

void font::DrawParagraph(const char* text, int spacing, int mode, int left, int right) {
    int avail = right != 0 ? right - left : screen_w - left;
    int len = static_cast<int>(std::strlen(text));
    if (len < 1)
        return;
    int current_mode = mode;
    int start = 0;
    while (start < len) {
        int width = 0;
        int i = start;
        while (i < len) {
            if (text[i] == ' ' && text[i + 1] == ' ') {
                // A double space forces a break; in justified text that line ends a paragraph.
                i += 2;
                if (mode == 3)
                    current_mode = 0;
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
        DrawText(line.c_str(), current_mode, left, right);
        current_mode = mode;
        start = next;
        y = y + static_cast<float>(spacing);
    }
}

char* int_to_text(int value) {
    static char buffer[20];
    std::memset(buffer, 0, sizeof buffer);
    std::snprintf(buffer, sizeof buffer, "%d", value);
    return buffer;
}
