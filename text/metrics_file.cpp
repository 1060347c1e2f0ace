// The font metrics file: the one reader, for the game and the media builder, and its writer.
#include "text/metrics_file.h"

#include <climits>
#include <cstdio>

namespace {

// Skips count characters; false when the file ends first.
bool skip(std::FILE* f, int count) {
    for (int i = 0; i < count; i++)
        if (std::getc(f) == EOF)
            return false;
    return true;
}

// A number that does not fit an int is a damaged file, not a wrapped value.
bool number(std::FILE* f, int* value) {
    long long read = 0;
    if (std::fscanf(f, "%lld", &read) != 1 || read < INT_MIN || read > INT_MAX)
        return false;
    *value = static_cast<int>(read);
    return true;
}

} // namespace

bool read_metrics(std::FILE* f, std::vector<metrics_glyph>& glyphs) {
    glyphs.clear();
    int n = 0;
    if (!skip(f, metrics_layout::length(metrics_layout::count)) || !number(f, &n))
        return false;
    if (n <= 0)
        return true;
    const int kept = n < MetricsKeptGlyphs ? n : MetricsKeptGlyphs;
    glyphs.resize(static_cast<std::size_t>(kept));
    skip(f, metrics_layout::length(metrics_layout::characters));
    for (int i = 0; i < n; i++) {
        int c = std::getc(f);
        if (c == EOF)
            return false;
        if (i < kept)
            glyphs[i].character = static_cast<unsigned char>(c);
        std::getc(f);
    }
    skip(f, metrics_layout::length(metrics_layout::advances));
    for (int i = 0; i < n; i++) {
        int unused;
        if (!number(f, &unused))
            return false;
        std::getc(f);
    }
    skip(f, metrics_layout::length(metrics_layout::rectangles));
    for (int i = 0; i < n; i++) {
        int v[4];
        for (int& part : v) {
            if (!number(f, &part))
                return false;
            std::getc(f);
        }
        // A rectangle outside what a picture can hold (SDL's 16-bit rectangles) would only
        // wrap into a wrong glyph and overflow the width and position sums.
        for (int part : v)
            if (part < 0 || part > 32767)
                return false;
        if (i < kept) {
            glyphs[i].x = v[0];
            glyphs[i].y = v[1];
            glyphs[i].w = v[2];
            glyphs[i].h = v[3];
        }
    }
    return true;
}

bool read_metrics_text(const std::string& text, std::vector<metrics_glyph>& glyphs) {
    glyphs.clear();
    if (text.empty())
        return false;
    std::FILE* f = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
    if (!f)
        return false;
    bool ok = read_metrics(f, glyphs);
    std::fclose(f);
    return ok;
}

std::string metrics_text(const std::vector<metrics_glyph>& glyphs,
                         const std::vector<int>& advances) {
    char number[64];
    std::string t = metrics_layout::count;
    std::snprintf(number, sizeof number, "%d", static_cast<int>(glyphs.size()));
    t += number;
    t += metrics_layout::characters;
    for (const metrics_glyph& g : glyphs) {
        t.push_back(static_cast<char>(g.character));
        t.push_back(' ');
    }
    t += metrics_layout::advances;
    for (int advance : advances) {
        std::snprintf(number, sizeof number, "%d ", advance);
        t += number;
    }
    t += metrics_layout::rectangles;
    for (const metrics_glyph& g : glyphs) {
        std::snprintf(number, sizeof number, "\n%d %d %d %d", g.x, g.y, g.w, g.h);
        t += number;
    }
    t += "\n";
    return t;
}
